#include "installed_apps/app_actions.h"
#include "installed_apps/backup_paths.h"
#include "installed_apps/backup_target.h"
#include "installed_apps/pull_outcome.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

namespace app_actions {
namespace {

const QString kErrorTitle = QStringLiteral("Error");
const QString kNoData = QStringLiteral("找不到应用数据                                  ");
const QString kDataNotFound = QStringLiteral("找不到应用程序数据！        ");
const QString kRestoreChooserTitle = QStringLiteral("选择包含备份数据的文件夹                  ");
const QString kNoBackup = QStringLiteral("没有找到备份！         ");
const QString kRestoredTitle = QStringLiteral("备份还原          ");

}  // namespace

QString BrowseForFolder(QWidget* owner, const QString& Title) { return platform::ChooseFolder(owner, Title); }

void NonRootBackup(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  const QString chosen = BrowseForFolder(app.owner, QStringLiteral("Select destination Folder"));
  if (chosen.isEmpty()) return;
  BackupTarget target(chosen, package);
  if (!target.Prepare()) return;
  const QString remote = DataFolderOnDevice(package);
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" pull ") + QuoteLocalPath(remote) + u' ' +
                                                QuoteLocalPath(target.PullFolder()));
  const DataPullJudgement judged = JudgeDataPull(app.CmdResult, remote);
  if (judged.zeroFiles) platform::MsgBox(kNoData, platform::vbInformation, kErrorTitle);
  switch (judged.ending) {
    case DataPullJudgement::Ending::NotFound:
      platform::MsgBox(kDataNotFound, platform::vbInformation, kErrorTitle);
      break;
    case DataPullJudgement::Ending::Error:
      platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
      break;
    case DataPullJudgement::Ending::OpenFolder:
      if (!target.Finish()) return;
      platform::Beep();
      platform::OpenUrl(chosen);
      break;
  }
}

void Restore(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  const QString chosen = BrowseForFolder(app.owner, kRestoreChooserTitle);
  if (chosen.isEmpty()) return;
  const QString source = RestoreSource(chosen, package);
  if (source.isEmpty()) {
    platform::MsgBox(kNoBackup, platform::vbCritical, kErrorTitle);
    return;
  }
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" push ") + QuoteLocalPath(source) + u' ' +
                                                QuoteLocalPath(DataFolderOnDevice(QString())));
  if (ReportsFilesPushed(app.CmdResult))
    platform::MsgBox(app.CmdResult, platform::vbInformation, kRestoredTitle);
  else
    platform::MsgBox(app.CmdResult, platform::vbCritical, kErrorTitle);
}

}  // namespace app_actions
