#include <gtest/gtest.h>

#include <QAction>

#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

TEST(Form4Actions, EachMenuItemActsOnThePackageOfTheSelectedRow) {
  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  Form4 window(nullptr, nullptr);
  window.objDOS = std::make_unique<DOSOutputs>();
  window.MSFlexGrid1->Rows(3);
  window.MSFlexGrid1->TextMatrix(1, 1, "com.a \r");
  window.MSFlexGrid1->TextMatrix(2, 1, "com.b \r");
  window.MSFlexGrid1->Row(2);
  const std::pair<QAction*, QString> items[] = {
      {window.mnu_startAPK, "adb shell monkey -p com.b -c android.intent.category.LAUNCHER 1"},
      {window.mnu_uninstall, "adb uninstall com.b"},
      {window.mnu_uninstall, ""},  // the same cell again: refused
      {window.mnu_backup_apk, "adb shell pm path com.b"},
      {window.mnu_backup_apk_obb, "adb shell pm path com.b"},
      {window.mnu_NonRootBackup, ""},  // the folder chooser is cancelled
      {window.mnu_Restore, ""},
      {window.mnu_Permissions, "adb shell dumpsys package com.b"},
  };
  for (const auto& [item, call] : items) {
    folder.clearCalls();
    item->trigger();
    EXPECT_EQ(folder.calls(), call.isEmpty() ? QStringList() : QStringList{call}) << item->objectName().toStdString();
  }
  EXPECT_EQ(window.LastUninstalled, "com.b \r");
  EXPECT_EQ(dialogs.FolderChoosers().size(), 2);
  EXPECT_EQ(dialogs.ModalForms().size(), 1);
  Module1::ResetSharedState();
}
