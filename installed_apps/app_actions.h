#pragma once
// The per-app actions of the installed-apps window's context menu, on the app of the selected
// row. Each runs its adb commands through the window's runner; the window's members call them.

#include <QString>

class DOSOutputs;
class QWidget;

namespace app_actions {

// What an action needs of the window.
struct SelectedApp {
  DOSOutputs& runner;
  QWidget* owner;           // dialogs are modal to it
  const QString& cell;      // the package cell as it stands, before cleaning
  QString& CmdResult;       // receives the output of each command
};

void StartApk(const SelectedApp& app);
void Uninstall(const SelectedApp& app, QString& LastUninstalled);

void BackupApk(const SelectedApp& app);
void BackupApkObb(const SelectedApp& app);
// The save dialog proposing DefaultName; ".apk" is added after it closes. Empty when cancelled.
QString GetSaveApkName(QWidget* owner, const QString& DefaultName, const QString& InitialDir);

void NonRootBackup(const SelectedApp& app);
void Restore(const SelectedApp& app);
QString BrowseForFolder(QWidget* owner, const QString& Title);

// Lists the app's runtime permissions into the shared hand-over; false when the cell holds no
// usable package name and nothing ran.
bool ListPermissions(const SelectedApp& app);

}  // namespace app_actions
