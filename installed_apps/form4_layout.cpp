// Form4's controls and the window events that reach its handlers.

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "runner/form_building.h"
#include "runner/picture_box.h"

namespace {
constexpr int kGridLeft = 120;
constexpr int kGridTop = 900;
}  // namespace

Form4::Form4(morvell* mainWindow, Form5* progressWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow), progressWindow_(progressWindow) {
  CreateControls();
  connect(txtSearch, &QLineEdit::textChanged, this, [this] { txtSearch_Change(); });
  connect(tmrSearch, &QTimer::timeout, this, [this] { tmrSearch_Timer(); });
  connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
  ConnectAppActions();
  MSFlexGrid1->Click = [this] { MSFlexGrid1_Click(); };
  MSFlexGrid1->MouseMove = [this](int Button, int Shift, float X, float Y) { MSFlexGrid1_MouseMove(Button, Shift, X, Y); };
  MSFlexGrid1->MouseDown = [this](int Button, int Shift, float X, float Y) { MSFlexGrid1_MouseDown(Button, Shift, X, Y); };
}

Form4::~Form4() = default;

void Form4::Show() {
  if (!loaded_) {
    loaded_ = true;
    Form_Load();
  }
  show();
}

void Form4::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Form4::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void Form4::CreateControls() {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("已安装的应用程序"));

  Frame1 = MakeControl<QGroupBox>(this, QStringLiteral("Frame1"));
  Frame1->setTitle(QStringLiteral("Search"));
  Frame1->setGeometry(TwipsRect(kGridLeft, 60, 4800, 780));
  txtSearch = MakeControl<QLineEdit>(Frame1, QStringLiteral("txtSearch"));
  txtSearch->setGeometry(TwipsRect(120, 300, 4560, 375));

  MSFlexGrid1 = MakeControl<MSFlexGrid>(this, QStringLiteral("MSFlexGrid1"));
  MSFlexGrid1->move(Pixels(kGridLeft), Pixels(kGridTop));
  MSFlexGrid1->Cols(10);
  MSFlexGrid1->Rows(2);
  MSFlexGrid1->FixedRows(1);
  MSFlexGrid1->FixedCols(0);

  lblTemp = MakeControl<QLabel>(this, QStringLiteral("lblTemp"));
  lblTemp->hide();
  Picture1 = MakeControl<PictureBox>(this, QStringLiteral("Picture1"));
  Picture1->SetPicture(QImage(QStringLiteral(":/gear.png")));
  Picture1->hide();
  tmrSearch = MakeControl<QTimer>(this, QStringLiteral("tmrSearch"));

  mnuNew = MakeControl<QMenu>(this, QStringLiteral("mnuNew"));
  mnuNew->setTitle(QStringLiteral("New"));
  auto item = [this](const QString& name, const QString& caption) {
    QAction* action = mnuNew->addAction(caption);
    action->setObjectName(name);
    return action;
  };
  mnuCopy = item(QStringLiteral("mnuCopy"), QStringLiteral("Copy"));
  mnu_backup_apk = item(QStringLiteral("mnu_backup_apk"), QStringLiteral("Backup APK"));
  mnu_backup_apk_obb = item(QStringLiteral("mnu_backup_apk_obb"), QStringLiteral("Backup APK + OBB"));
  mnu_uninstall = item(QStringLiteral("mnu_uninstall"), QStringLiteral("卸载 APK     "));
  mnu_startAPK = item(QStringLiteral("mnu_startAPK"), QStringLiteral("Launch App"));
  mnu_NonRootBackup = item(QStringLiteral("mnu_NonRootBackup"), QStringLiteral("Backup Non-Root App Data"));
  mnu_Restore = item(QStringLiteral("mnu_Restore"), QStringLiteral("Restore Non-Root App Data"));
  mnu_Permissions = item(QStringLiteral("mnu_Permissions"), QStringLiteral("Manage Permissions"));
}
