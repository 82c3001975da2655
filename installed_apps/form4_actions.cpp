// Form4's per-app actions: thin members over app_actions, connected to the context menu.

#include <QAction>

#include "installed_apps/app_actions.h"
#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/permissions_dialog.h"
#include "platform/dialogs.h"
#include "runner/text_paths.h"

void Form4::ConnectAppActions() {
  const std::pair<QAction*, void (Form4::*)()> items[] = {
      {mnu_backup_apk, &Form4::mnu_backup_apk_Click},       {mnu_backup_apk_obb, &Form4::mnu_backup_apk_obb_Click},
      {mnu_uninstall, &Form4::mnu_uninstall_Click},         {mnu_startAPK, &Form4::mnu_startAPK_Click},
      {mnu_NonRootBackup, &Form4::mnu_NonRootBackup_Click}, {mnu_Restore, &Form4::mnu_Restore_Click},
      {mnu_Permissions, &Form4::mnu_Permissions_Click},
  };
  for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);
}

std::optional<QString> Form4::SelectedPackageCell() const {
  const int row = MSFlexGrid1->RowSel();
  if (row < MSFlexGrid1->FixedRows() || row >= MSFlexGrid1->Rows() || MSFlexGrid1->RowHeight(row) == 0)
    return std::nullopt;
  return MSFlexGrid1->TextMatrix(row, 1);
}

void Form4::WithSelectedApp(const std::function<void(const app_actions::SelectedApp&)>& action) {
  if (!objDOS) return;  // the runner exists once the window has loaded
  const std::optional<QString> cell = SelectedPackageCell();
  if (!cell) return;
  action(app_actions::SelectedApp{*objDOS, this, *cell, CmdResult});
}

void Form4::mnu_startAPK_Click() { WithSelectedApp(app_actions::StartApk); }
void Form4::mnu_uninstall_Click() {
  WithSelectedApp([this](const app_actions::SelectedApp& app) { app_actions::Uninstall(app, LastUninstalled); });
}
void Form4::mnu_backup_apk_Click() { WithSelectedApp(app_actions::BackupApk); }
void Form4::mnu_backup_apk_obb_Click() { WithSelectedApp(app_actions::BackupApkObb); }
void Form4::mnu_NonRootBackup_Click() { WithSelectedApp(app_actions::NonRootBackup); }
void Form4::mnu_Restore_Click() { WithSelectedApp(app_actions::Restore); }

void Form4::mnu_Permissions_Click() {
  bool listed = false;
  WithSelectedApp([&listed](const app_actions::SelectedApp& app) { listed = app_actions::ListPermissions(app); });
  if (!listed) return;
  // The dialog reads the selected row again at every click; its close box discards it.
  if (!form8_) form8_ = new Form8([this] { return CTrim(SelectedPackageCell().value_or(QString())); }, this);
  form8_->Form_Load();
  platform::ShowModal(form8_);
}

Form8* Form4::PermissionsDialog() const { return form8_; }
