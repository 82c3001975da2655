#include "main_window/obb_picker.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "runner/form_building.h"
#include "main_window/morvell.h"
#include "runner/module1.h"
#include "runner/vb_color.h"

namespace {

constexpr int kRowStepTwips = 480;
constexpr qint32 kOrange = vbcolor::Rgb(255, 128, 0);

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, QRect geometry, int index = -1) {
  auto* widget = MakeControl<Widget>(parent, QString::fromLatin1(name), index);
  widget->setGeometry(geometry);
  return widget;
}

QString ApkFileNameOf(QWidget* mainWindow) {
  auto* main = qobject_cast<morvell*>(mainWindow);
  return main && main->Label5 ? main->Label5->text() : QString();
}

}  // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form3"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Found OBB Files (Click to Skip)"));
  setFixedSize(Pixels(12675), Pixels(825));
  CreateControls();
  Form_Load();
}

void Form3::CreateControls() {
  Frame1[kTopBand] = Make<QGroupBox>(this, "Frame1", TwipsRect(120, 0, 8775, 615), kTopBand);
  Frame1[kTopBand]->setTitle(QStringLiteral("File name"));
  Label1[kTopBand] = Make<QLabel>(Frame1[kTopBand], "Label1", TwipsRect(120, 240, 8565, 210), kTopBand);
  Label1[kTopBand]->setFont(DesignFont(QStringLiteral("Arial"), 8.25));
  Label1[kTopBand]->setTextFormat(Qt::PlainText);

  Command1 = Make<QPushButton>(this, "Command1", TwipsRect(9000, 120, 2535, 495));
  Command1->setText(QStringLiteral("将所选的OBB文件安装到设备           "));
  Command1->setToolTip(QStringLiteral("在设备上安装选定的OBB文件           "));
  Command1->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true));
  vbcolor::SetBackColor(Command1, vbcolor::kButtonFace);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  Label2 = Make<QLabel>(this, "Label2", TwipsRect(11520, 600, 975, 255));
  Label2->setText(QStringLiteral("点击跳过      "));
  Label2->setFont(DesignFont(QStringLiteral("Arial"), 8.25));

  // Green while the row installs, red while it is down (skip).
  const QString toggleStyle = QStringLiteral(
      "QPushButton { background-color: rgb(38, 198, 86); border: 1px solid gray; }"
      "QPushButton:checked { background-color: rgb(255, 74, 74); border-style: inset; }");
  for (int r = 0; r <= kRows; ++r) {
    Frame1[r] = Make<QGroupBox>(this, "Frame1", TwipsRect(120, 720 + kRowStepTwips * r, 11295, 495), r);
    Label1[r] = Make<QLabel>(Frame1[r], "Label1", TwipsRect(120, r == 8 ? 120 : 150, 11055, 255), r);
    Label1[r]->setFont(DesignFont(QStringLiteral("Arial"), 9.75));
    Label1[r]->setTextFormat(Qt::PlainText);
    Check1[r] = Make<QPushButton>(this, "Check1", TwipsRect(11520, r == 0 ? 825 : 840 + kRowStepTwips * r, 975, 390), r);
    Check1[r]->setCheckable(true);
    Check1[r]->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    Check1[r]->setStyleSheet(toggleStyle);
    Check1[r]->setText(r == kRows - 1 ? QStringLiteral("安装   ") : QStringLiteral("Install"));
    connect(Check1[r], &QPushButton::clicked, this, [this, r] { Check1_Click(r); });
  }

  Timer1 = MakeControl<QTimer>(this, QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form3::Form_Load() {
  for (int r = 0; r <= kRows; ++r) {
    Frame1[r]->setVisible(false);
    Check1[r]->setVisible(false);
  }
  QString apkFileName = ApkFileNameOf(parentWidget());
  Label1[kTopBand]->setText(apkFileName);
  Label1[kTopBand]->setToolTip(apkFileName);
  for (int n = 1; n <= Module1::ObbCount; ++n) {
    if (n > kRows) break;
    Frame1[n - 1]->setVisible(true);
    Check1[n - 1]->setVisible(true);
    Label1[n - 1]->setText(Module1::ObbFileNames[n]);
    setFixedHeight(height() + Pixels(kRowStepTwips));
  }
  Timer1->start();
}

void Form3::Check1_Click(int Index) {
  if (Index < 0 || Index > kRows) return;
  QPushButton* toggle = Check1[Index];
  if (!toggle->isChecked()) toggle->setText(QStringLiteral("安装     "));
  if (toggle->isChecked()) toggle->setText(QStringLiteral("Skip"));
}

void Form3::Command1_Click() {
  Module1::ObbConfirmed = true;
  hide();
}

void Form3::Timer1_Timer() {
  if (vbcolor::BackColor(Command1) == vbcolor::kButtonFace)
    vbcolor::SetBackColor(Command1, kOrange);
  else
    vbcolor::SetBackColor(Command1, vbcolor::kButtonFace);
}

int Form3::HeightTwips() const { return Twips(height()); }
