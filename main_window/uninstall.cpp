#include <QLabel>

#include "main_window/badging_parser.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "main_window/obb_candidates.h"
#include "runner/text_paths.h"
#include "platform/beep.h"
#include "platform/dialogs.h"

namespace {

const QString kNotInstalled = QStringLiteral("未安装           ");
const QString kKeepDataTitle = QStringLiteral("卸载并保留数据                ");
const QString kKeepDataQuestion = QStringLiteral("只能在以后重新安装APK有相同的签名时                                                             ") + QStringLiteral("\r\n") + QStringLiteral("没有正确的签名，APK将无法在以后重新安装！！！                                                           ") + QStringLiteral("\r\n\r\n") + QStringLiteral("你确定吗？        ");
const QString kDone = QStringLiteral("完毕！  ");

// adb prints these when the device cannot be reached; its exit code is not looked at.
bool IsConnectionError(const QString& output) {
  return output.contains(QStringLiteral("connect error")) || output.contains(QStringLiteral("cannot Connect"));
}

void LogUninstallAttempt(morvell& w, const QString& packageName) {
  w.LogLine(QStringLiteral("Try connecting Device for APK-uninstall (") + packageName + u')');
  WaitSeconds(0.2f);
}

}  // namespace

bool morvell::PackageOnDevice() {
  Busy = true;
  QString packages;
  {
    SilencedOutput quiet;
    packages = RunAdb(QStringLiteral(" shell pm list packages"));
  }
  if (IsPackageName(Label2->text()) && packages.contains(Label2->text())) return true;
  platform::Beep();
  LogLine(QStringLiteral("Package ") + Label2->text() + kNotInstalled);
  Busy = false;
  return false;
}

void morvell::Command4_Click() {
  if (!PackageOnDevice()) return;
  const QString packageName = Label2->text();
  LogUninstallAttempt(*this, packageName);
  QString output = RunAdb(QStringLiteral(" uninstall ") + packageName);
  if (IsConnectionError(output)) {
    platform::Beep();
    LogLine(QStringLiteral("Connection Error"));
  }
  Busy = false;
}

void morvell::Command5_Click() {
  if (!PackageOnDevice()) return;
  const QString packageName = Label2->text();
  if (platform::MsgBox(kKeepDataQuestion, platform::vbYesNo, kKeepDataTitle) != platform::vbYes) {
    Busy = false;
    return;
  }
  LogUninstallAttempt(*this, packageName);
  RunAdb(QStringLiteral(" shell pm uninstall -k ") + packageName);

  // The device keeps the app's data but not its OBB folder.
  LogObbFolderRemoval();
  QString storageEcho;
  {
    SilencedOutput quiet;
    storageEcho = EchoStorage();
    RunOnObbFolder(storageEcho, [](const QString& obbFolder) { return QStringLiteral(" shell rm -r ") + obbFolder; });
  }

  txtOutputs->AppendAndShowEnd(QStringLiteral("\r\n") + kDone);
  if (IsConnectionError(storageEcho)) {
    platform::Beep();
    LogLine(QStringLiteral("Connection Error"));
  }
  Busy = false;
}
