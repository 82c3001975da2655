#include <QFileInfo>

#include "installed_apps/app_actions.h"
#include "installed_apps/backup_paths.h"
#include "installed_apps/pull_outcome.h"
#include "installed_apps/save_name.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

namespace app_actions {
namespace {

const QString kSaveTitle = QStringLiteral("Save extracted APK as");
const QString kChill = QStringLiteral("请稍候，这可能需要一段时间...                       ");
const QString kErrorTitle = QStringLiteral("Error");

// The APK's path on the headset, or empty after the box with the query's output.
QString QueryDevicePath(const SelectedApp& app, const QString& package, const QString& failureTitle) {
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" shell pm path ") + package);
  const QString devicePath = DevicePathFromPmPath(app.CmdResult);
  if (devicePath.isEmpty()) platform::MsgBox(app.CmdResult, platform::vbCritical, failureTitle);
  return devicePath;
}

// Pulls the APK to a file the user names; empty when cancelled or after the failure box.
QString PullApk(const SelectedApp& app, const QString& package, const QString& failureTitle) {
  const QString devicePath = QueryDevicePath(app, package, failureTitle);
  if (devicePath.isEmpty()) return QString();
  const QString savePath = GetSaveApkName(app.owner, package, QString());
  if (savePath.isEmpty()) return QString();
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" pull ") + QuoteLocalPath(devicePath) + u' ' +
                                                QuoteLocalPath(savePath));
  if (ReportsOneFilePulled(app.CmdResult)) return savePath;
  platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
  return QString();
}

void BeepAndOpenFolderOf(const QString& savePath) {
  platform::Beep();
  platform::OpenUrl(GetFolderPath(savePath));
}

}  // namespace

QString GetSaveApkName(QWidget* owner, const QString& DefaultName, const QString& InitialDir) {
  const QString confirmed =
      platform::SaveFileName(owner, kSaveTitle, QStringLiteral("Android apk (*.apk)"), DefaultName, InitialDir);
  if (confirmed.isEmpty()) return QString();
  const QString savePath = WithApkExtension(confirmed);
  // The dialog asked about the name as typed; the file written is another one when ".apk" was added.
  if (savePath != confirmed && QFileInfo::exists(savePath) &&
      platform::MsgBox(GetFileName(savePath) + QStringLiteral(" already exists.\nDo you want to replace it?"),
                       platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2,
                       kSaveTitle) != platform::vbYes)
    return QString();
  return savePath;
}

void BackupApk(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  const QString savePath = PullApk(app, package, kErrorTitle);
  if (!savePath.isEmpty()) BeepAndOpenFolderOf(savePath);
}

void BackupApkObb(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  platform::MsgBox(kChill, platform::vbInformation, QStringLiteral("Chill"));
  // This query's failure box carries the application's title.
  const QString savePath = PullApk(app, package, QString());
  if (savePath.isEmpty()) return;
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" pull ") + QuoteLocalPath(ObbFolderOnDevice(package)) +
                                                u' ' + QuoteLocalPath(GetFolderPath(savePath) + package));
  if (ObbPullFailed(app.CmdResult)) {
    platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
    return;
  }
  BeepAndOpenFolderOf(savePath);
}

}  // namespace app_actions
