#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "main_window/badging_parser.h"
#include "main_window/disk_space.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "main_window/version_compare.h"
#include "platform/foreground.h"
#include "runner/adb_output.h"
#include "runner/text_paths.h"
#include "runner/vb_color.h"

namespace {

// adb prints a header line even without a device; a listed device makes the answer longer.
constexpr int kDevicesAnswerWithoutDevice = 35;

void ShowOutcome(QLabel* label, VersionOutcome outcome, const QString& installed) {
  label->setText(StatusCaption(outcome, installed));
  if (outcome == VersionOutcome::NotInstalled) return;
  label->setToolTip(QStringLiteral(" ") + installed);
  if (outcome == VersionOutcome::Older) {
    vbcolor::SetBackColor(label, vbcolor::Rgb(0, 255, 0));
  } else if (outcome == VersionOutcome::Newer || outcome == VersionOutcome::Same) {
    vbcolor::SetBackColor(label, vbcolor::Rgb(255, 0, 0));
    vbcolor::SetForeColor(label, vbcolor::Rgb(255, 255, 255));
  }
}

// Label6's designed colours, kept as decimal text (system colours may have been written either
// signed or unsigned).
void RestoreColours(QLabel* label, const QString& back, const QString& fore) {
  vbcolor::SetBackColor(label, static_cast<qint32>(back.toLongLong()));
  vbcolor::SetForeColor(label, static_cast<qint32>(fore.toLongLong()));
}

}  // namespace

void morvell::ShowDiskSpace() {
  QString df;
  {
    SilencedOutput quiet;
    df = RunOnStorage(EchoStorage(), [](const QString& storage) { return QStringLiteral(" shell df -h ") + storage; });
  }

  const DiskSpaceTexts texts = DiskSpaceLabelTexts(df);
  Label7->setText(texts.size);
  Label8->setText(texts.used);
  if (texts.free) Label9->setText(*texts.free);
  Label10->setText(texts.percent);
}

bool morvell::IsDeviceConnected() {
  if (!platform::IsForegroundWindow(this)) return false;
  SilencedOutput quiet;
  return WithoutServerLines(RunAdb(QStringLiteral(" devices"))).size() > kDevicesAnswerWithoutDevice;
}

bool morvell::CheckInstalledVersion() {
  // Without a package name dumpsys would dump every package and the first one would be read;
  // anything else than a package name would reach the headset's shell.
  if (Label5->text().isEmpty() || StartedWithoutApk == 1 || !IsPackageName(Label2->text())) return false;
  {
    SilencedOutput quiet;
    LastOutput = RunAdb(QStringLiteral(" shell dumpsys package ") + Label2->text());
  }
  if (LastOutput.isEmpty()) return PackageInstalled;

  PackageInstalled = true;
  const QString installed = InstalledVersionText(LastOutput);
  const VersionOutcome outcome = CompareVersions(installed, Label4->text());
  if (outcome == VersionOutcome::NotInstalled) {
    Label6->setText(kNotInstalledCaption);
    RestoreColours(Label6, SavedLabel6BackColor, SavedLabel6ForeColor);
    PackageInstalled = false;
    return false;
  }
  ShowOutcome(Label6, outcome, installed);
  if (outcome == VersionOutcome::Unknown) {
    RestoreColours(Label6, SavedLabel6BackColor, SavedLabel6ForeColor);
  }
  return true;
}

void morvell::StartupVersionCheck() {
  txtOutputs->SetText(QString());
  QString installed;
  if (IsPackageName(BadgingInfo[kPackageSlot])) {
    {
      SilencedOutput quiet;
      LastOutput = RunAdb(QStringLiteral(" shell dumpsys package ") + BadgingInfo[kPackageSlot]);
    }
    installed = InstalledVersionText(LastOutput);
  }
  BadgingInfo.Set(kInstalledVersionSlot, installed);
  Timer1->start();

  const VersionOutcome outcome = CompareVersions(installed, BadgingInfo[kVersionCodeSlot]);
  ShowOutcome(Label6, outcome, installed);
  if (outcome == VersionOutcome::Unknown) {
    RestoreColours(Label6, SavedLabel6BackColor, SavedLabel6ForeColor);
  }
  const QString logText = StartupLogText(outcome);
  if (!logText.isEmpty()) txtOutputs->SetText(QStringLiteral("\r\n") + logText + QStringLiteral("\r\n"));
  if (outcome == VersionOutcome::NotInstalled) {
    Command4->setEnabled(false);
    Command5->setEnabled(false);
  }
}

void morvell::Timer3_Timer() {
  if (Busy) return;
  if (IsDeviceConnected()) {
    if (Label7->text() == QLatin1String(" Gb")) ShowDiskSpace();
    if (StartedWithoutApk == 0) {
      Command1->setEnabled(true);
      Command2->setEnabled(true);
    }
    Command6->setEnabled(true);
    Command11->setEnabled(true);
    Command12->setEnabled(true);
    if (!Module1::AppsWindowClosed) Command9->setEnabled(true);
    Command10->setEnabled(true);
    const bool installed = CheckInstalledVersion();
    Command5->setEnabled(installed);
    Command4->setEnabled(installed);
  } else {
    for (QPushButton* button : {Command2, Command1, Command4, Command5, Command6, Command9, Command10, Command11, Command12})
      button->setEnabled(false);
  }
}
