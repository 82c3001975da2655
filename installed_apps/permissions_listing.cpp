#include "installed_apps/app_actions.h"
#include "installed_apps/runtime_permissions.h"
#include "runner/module1.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

namespace app_actions {

bool ListPermissions(const SelectedApp& app) {
  Module1::PermCount = 0;
  const QString package = CTrim(app.cell);
  if (!IsPackageName(package)) return false;
  QString listing;
  {
    SilencedOutput quiet;
    listing = tools::RunAdb(app.runner, QStringLiteral(" shell dumpsys package ") + package);
  }
  HandOverPermissions(ParseRuntimePermissions(listing));
  return true;
}

}  // namespace app_actions
