#include <QFileInfo>
#include <optional>

#include "installed_apps/app_actions.h"
#include "installed_apps/backup_paths.h"
#include "installed_apps/backup_target.h"
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

// The APK on the headset and the file the user names for it; empty when cancelled or after the
// failure box.
struct ApkCopy {
  QString devicePath;
  QString savePath;
};
std::optional<ApkCopy> ChooseApkCopy(const SelectedApp& app, const QString& package, const QString& failureTitle) {
  const QString devicePath = QueryDevicePath(app, package, failureTitle);
  if (devicePath.isEmpty()) return std::nullopt;
  const QString savePath = GetSaveApkName(app.owner, ProposedApkName(package), QString());
  if (savePath.isEmpty()) return std::nullopt;
  return ApkCopy{devicePath, savePath};
}

// False after the box with adb's output.
bool PullApk(const SelectedApp& app, const ApkCopy& copy) {
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" pull ") + QuoteLocalPath(copy.devicePath) + u' ' +
                                                QuoteLocalPath(copy.savePath));
  if (ReportsOneFilePulled(app.CmdResult)) return true;
  platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
  return false;
}

// The OBB folder is <folder>/<package>: an APK saved at that path would be taken for an earlier
// OBB backup and go to the trash. False after the box.
bool ApkPathIsFree(const ApkCopy& copy, const QString& package) {
  if (!IsObbFolderPath(copy.savePath, package)) return true;
  platform::MsgBox(QStringLiteral("The APK cannot be saved as\n") + copy.savePath +
                       QStringLiteral("\nThe OBB files go into a folder of that name. Choose another name."),
                   platform::vbCritical, kErrorTitle);
  return false;
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
  const std::optional<ApkCopy> copy = ChooseApkCopy(app, package, kErrorTitle);
  if (copy && PullApk(app, *copy)) BeepAndOpenFolderOf(copy->savePath);
}

void BackupApkObb(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  platform::MsgBox(kChill, platform::vbInformation, QStringLiteral("Chill"));
  // This query's failure box carries the application's title.
  const std::optional<ApkCopy> copy = ChooseApkCopy(app, package, QString());
  if (!copy || !ApkPathIsFree(*copy, package)) return;
  BackupTarget obb(GetFolderPath(copy->savePath), package);
  if (!obb.Prepare() || !PullApk(app, *copy)) return;
  const QString remote = ObbFolderOnDevice(package);
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" pull ") + QuoteLocalPath(remote) + u' ' +
                                                QuoteLocalPath(JoinPath(obb.PullFolder(), package)));
  if (ObbPullFailed(app.CmdResult, remote)) {
    platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
    return;
  }
  if (obb.Finish()) BeepAndOpenFolderOf(copy->savePath);
}

}  // namespace app_actions
