#include "installed_apps/app_actions.h"
#include "platform/dialogs.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

namespace app_actions {
namespace {
// adb's uninstall prints this word first when the app is gone; nothing else of its output counts.
const QString kSuccessWord = QStringLiteral("Success");
const QString kUninstalled = QStringLiteral("成功，APK已卸载               ");
}  // namespace

void StartApk(const SelectedApp& app) {
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  app.CmdResult = tools::RunAdb(
      app.runner, QStringLiteral(" shell monkey -p ") + package + QStringLiteral(" -c android.intent.category.LAUNCHER 1 "));
}

void Uninstall(const SelectedApp& app, QString& LastUninstalled) {
  if (app.cell == LastUninstalled) {
    platform::MsgBox(QStringLiteral("APK already uninstalled"), platform::vbOKOnly, QStringLiteral("Info"));
    return;
  }
  LastUninstalled = app.cell;
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return;
  app.CmdResult = tools::RunAdb(app.runner, QStringLiteral(" uninstall ") + package);
  if (app.CmdResult.startsWith(kSuccessWord))
    platform::MsgBox(kUninstalled, platform::vbOKOnly, QStringLiteral("Info"));
  else
    platform::MsgBox(app.CmdResult, platform::vbCritical, QStringLiteral("Error"));
}

}  // namespace app_actions
