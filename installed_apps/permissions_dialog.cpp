#include "installed_apps/permissions_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "main_window/caption_style.h"
#include "platform/dialogs.h"
#include "runner/adb_output.h"
#include "runner/form_building.h"
#include "runner/module1.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

namespace {
constexpr int kClientWidth = 11730;
constexpr int kNonClientHeight = Form8::kDesignHeight - 10755;  // the title bar and the borders
constexpr int kHiddenRowHeight = 721;
}  // namespace

Form8::Form8(std::function<QString()> selectedPackage, QWidget* parent)
    : QWidget(parent, Qt::Window), selectedPackage_(std::move(selectedPackage)) {
  setObjectName(QStringLiteral("Form8"));
  setWindowTitle(QStringLiteral("Manage permissions"));
  setAttribute(Qt::WA_DeleteOnClose);

  Command1 = MakeControl<QPushButton>(this, QStringLiteral("Command1"));
  Command1->setText(QStringLiteral("Done"));
  Command1->setGeometry(TwipsRect(9840, 120, 1815, 480));
  Command1->setFont(DesignFont(QStringLiteral("Arial"), 9.75, true));
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  for (int i = 1; i <= kRows; ++i) {
    Frame1[i] = MakeControl<QGroupBox>(this, QStringLiteral("Frame1"), i);
    Frame1[i]->setGeometry(TwipsRect(120, 600 + 720 * (i - 1), 11535, 735));
    Label1[i] = MakeControl<QLabel>(Frame1[i], QStringLiteral("Label1"), i);
    Label1[i]->setTextFormat(Qt::PlainText);
    Label1[i]->setGeometry(TwipsRect(120, 300, 9375, 255));
    Check1[i] = MakeControl<QCheckBox>(Frame1[i], QStringLiteral("Check1"), i);
    Check1[i]->setText(QStringLiteral("Permission Granted"));
    Check1[i]->setGeometry(TwipsRect(9720, 300, 1755, 255));
    // A value set by the fill changes the permission just as a click does.
    connect(Check1[i], &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
  }
  FitCaptionFonts(this);
  SetWindowHeight(kDesignHeight);
}

void Form8::SetWindowHeight(int twips) {
  height_ = twips;
  setFixedSize(Pixels(kClientWidth), Pixels(std::max(0, twips - kNonClientHeight)));
}

void Form8::Form_Load() {
  for (int i = Module1::PermCount + 1; i <= kRows; ++i) {
    Frame1[i]->hide();
    SetWindowHeight(height_ - kHiddenRowHeight);
  }
  filling_ = true;
  for (int i = 1; i <= std::min(Module1::PermCount, kRows); ++i) {
    Label1[i]->setText(Module1::PermNames[i]);
    Check1[i]->setChecked(Module1::PermGranted[i] == QLatin1String("1"));
  }
  filling_ = false;
}

void Form8::Check1_Click(int Index) {
  const bool grant = Check1[Index]->isChecked();
  if (ChangePermission(Index, grant) || filling_) return;
  // The fill's boxes show what the headset listed, whatever became of restating it; a box the
  // user changed goes back when the headset did not change with it.
  const QSignalBlocker quiet(Check1[Index]);
  Check1[Index]->setChecked(!grant);
}

bool Form8::ChangePermission(int Index, bool grant) {
  objDOS = std::make_unique<DOSOutputs>();
  const QString package = selectedPackage_ ? selectedPackage_() : QString();
  // Permission names come from the headset and share the package names' form.
  const QString permission = Module1::PermNames[Index];
  if (!IsPackageName(package) || !IsPackageName(permission)) return false;
  bool started = false;
  objDOS->ReceiveOutputs = [&started](QString&) { started = true; };
  const QString verb = grant ? QStringLiteral(" shell pm grant ") : QStringLiteral(" shell pm revoke ");
  LastChangeOutput = tools::RunAdb(*objDOS, verb + package + u' ' + permission);
  objDOS->ReceiveOutputs = nullptr;
  // pm prints nothing when it changed the permission; a runner that could not start has shown
  // its own box.
  if (!started) return false;
  if (WithoutServerLines(LastChangeOutput).trimmed().isEmpty()) return true;
  if (!filling_) platform::MsgBox(LastChangeOutput, platform::vbCritical, QStringLiteral("Error"));
  return false;
}

void Form8::Command1_Click() {
  for (int i = 1; i <= kRows; ++i) Frame1[i]->show();
  Module1::PermCount = 0;
  SetWindowHeight(kDesignHeight);
  hide();
}
