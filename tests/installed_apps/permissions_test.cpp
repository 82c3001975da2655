#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/permissions_dialog.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/scripted_dialogs.h"

namespace {
QString Perm(int k) { return "android.permission.P" + QString::number(k); }

// The shown rows as "name=1|0", then the window height.
QStringList Look(Form8* form) {
  QStringList shown;
  for (int i = 1; i <= Form8::kRows; ++i)
    if (form->Frame1[i]->isVisibleTo(form))
      shown.append(form->Label1[i]->text() + (form->Check1[i]->isChecked() ? "=1" : "=0"));
  return shown << QString::number(form->WindowHeight());
}
}  // namespace

// The installed-apps window with rows for com.x and com.y, the fake headset keeping their
// runtime permissions.
class Form4Actions : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    folder.deviceRoot();
    window.objDOS = std::make_unique<DOSOutputs>();
    window.MSFlexGrid1->Rows(3);
    window.MSFlexGrid1->TextMatrix(1, 1, "com.x \r");
    window.MSFlexGrid1->TextMatrix(2, 1, "com.y \r");
    Select(1);
  }
  void TearDown() override { Module1::ResetSharedState(); }
  void Select(int row) { window.MSFlexGrid1->Row(row); }
  // Opens the dialog for the selected row; `inside` runs while it is shown.
  QStringList Open(const std::function<void(Form8*)>& inside = {}) {
    QStringList shown;
    dialogs.OnModal([&](QWidget* form) {
      shown = Look(static_cast<Form8*>(form));
      if (inside) inside(static_cast<Form8*>(form));
    });
    window.mnu_Permissions_Click();
    return shown;
  }

  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  Form4 window{nullptr, nullptr};
};

TEST_F(Form4Actions, EachMenuItemActsOnThePackageOfTheSelectedRow) {
  Select(2);
  QStringList calls;  // the uninstall of the same cell again is refused, both folder choosers cancelled
  for (QAction* item : {window.mnu_startAPK, window.mnu_uninstall, window.mnu_uninstall, window.mnu_backup_apk,
                        window.mnu_backup_apk_obb, window.mnu_NonRootBackup, window.mnu_Restore, window.mnu_Permissions}) {
    folder.clearCalls();
    item->trigger();
    calls.append(folder.calls().join(';'));
  }
  EXPECT_EQ(calls, QStringList({"adb shell monkey -p com.y -c android.intent.category.LAUNCHER 1", "adb uninstall com.y",
                                "", "adb shell pm path com.y", "adb shell pm path com.y", "", "",
                                "adb shell dumpsys package com.y"}));
  EXPECT_EQ(window.LastUninstalled, "com.y \r");
  EXPECT_EQ(dialogs.FolderChoosers().size() + dialogs.ModalForms().size(), 3);
}

TEST_F(Form4Actions, ThreePermissionsTwoGrantedFillThreeRowsAndGrantTheTwoWhileOpening) {
  folder.setRuntimePermissions("com.x", {{Perm(1), true}, {Perm(2), false}, {Perm(3), true}});
  QList<bool> silenced;
  window.objDOS->ReceiveOutputs = [&](QString&) { silenced.append(Module1::OutputSilenced); };
  QStringList callsWhileOpen;
  const QStringList shown = Open([&](Form8* form) {
    callsWhileOpen = folder.calls();
    form->Check1[2]->click();  // ticked by the user: granted
    Select(2);
    form->Check1[1]->click();  // cleared while com.y is selected: refused there, so ticked again
    EXPECT_TRUE(form->Check1[1]->isChecked());
    form->Command1->click();
  });

  EXPECT_EQ(shown, QStringList({Perm(1) + "=1", Perm(2) + "=0", Perm(3) + "=1", "3394"}));
  EXPECT_EQ(callsWhileOpen, QStringList({"adb shell dumpsys package com.x", "adb shell pm grant com.x " + Perm(1),
                                         "adb shell pm grant com.x " + Perm(3)}));
  EXPECT_EQ(folder.calls().mid(3), QStringList({"adb shell pm grant com.x " + Perm(2),
                                                "adb shell pm revoke com.y " + Perm(1)}));
  EXPECT_EQ(folder.runtimePermissions("com.x"), Perm(1) + " true\n" + Perm(2) + " true\n" + Perm(3) + " true\n");
  EXPECT_TRUE(!silenced.isEmpty() && !silenced.contains(false)) << "the listing is silenced";
  EXPECT_FALSE(Module1::OutputSilenced);
  ASSERT_EQ(dialogs.Boxes().size(), 1);
  EXPECT_EQ(dialogs.Boxes()[0].title, "Error");
  EXPECT_TRUE(dialogs.Boxes()[0].text.contains("Unknown package: com.y")) << "a refused revoke is reported";

  // Done hides the dialog and shows every row again at the designed height.
  Form8* form = window.PermissionsDialog();
  ASSERT_TRUE(form && form->isHidden());
  EXPECT_EQ(Module1::PermCount, 0);
  EXPECT_EQ(Look(form).size(), Form8::kRows + 1);
  EXPECT_EQ(Look(form).constLast().toInt(), Form8::kDesignHeight);
}

TEST_F(Form4Actions, TwentyShowFourteenThenDoneAndAnotherAppShowsOnlyItsOwn) {
  QList<QPair<QString, bool>> twenty;
  for (int k = 1; k <= 20; ++k) twenty.append({Perm(k), k == 1});
  folder.setRuntimePermissions("com.x", twenty);
  folder.setRuntimePermissions("com.y", {{Perm(1), false}});
  int count = 0;
  const QStringList first = Open([&](Form8* form) {
    count = Module1::PermCount;
    form->Command1->click();
  });
  EXPECT_EQ(count, 20);
  EXPECT_EQ(first.size(), 15);
  EXPECT_EQ(first.mid(13), QStringList({Perm(14) + "=0", "11325"}));

  Select(2);
  folder.clearCalls();
  EXPECT_EQ(Open(), QStringList({Perm(1) + "=0", QString::number(11325 - 13 * 721)}));
  // The box kept its tick from the first app; setting it to com.y's value is a change.
  EXPECT_EQ(folder.calls(), QStringList({"adb shell dumpsys package com.y", "adb shell pm revoke com.y " + Perm(1)}));
}

TEST_F(Form4Actions, TheCloseBoxDiscardsTheDialogAndABadCellRunsNothing) {
  folder.setRuntimePermissions("com.x", {{Perm(1), true}});
  Open([](Form8* form) { form->close(); });
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.PermissionsDialog(), nullptr);
  folder.clearCalls();
  Open();
  EXPECT_EQ(folder.calls().constLast(), "adb shell pm grant com.x " + Perm(1)) << "a new dialog starts unticked";

  folder.setRuntimePermissions("com.y", {{"android.permission.X;reboot", true}});
  Select(2);
  folder.clearCalls();
  EXPECT_EQ(Open().mid(0, 1), QStringList{"android.permission.X;reboot=1"});
  EXPECT_FALSE(window.PermissionsDialog()->Frame1[2]->isVisibleTo(window.PermissionsDialog()));
  EXPECT_EQ(folder.calls(), QStringList{"adb shell dumpsys package com.y"}) << "a permission name is checked too";

  window.MSFlexGrid1->TextMatrix(2, 1, "com.x;reboot");
  folder.clearCalls();
  const qsizetype opened = dialogs.ModalForms().size();
  window.mnu_Permissions_Click();
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(dialogs.ModalForms().size(), opened);
}

// A name that a later list of this app prints without a state is no row: nothing of an earlier
// app's listing shows, and the fill sends nothing the headset did not report.
TEST_F(Form4Actions, ALineWithoutAStateIsNoRowAndSendsNothing) {
  folder.setRuntimePermissions("com.x", {{Perm(1), true}, {Perm(2), true}});
  Open([](Form8* form) { form->Command1->click(); });
  Select(2);
  folder.setScenario("adb", "when shell dumpsys package com.y\nout runtime permissions:\\n  " + Perm(1) +
                                ": granted=false\\nrequested permissions:\\n  " + Perm(2) + "\\n\n");
  folder.clearCalls();
  EXPECT_EQ(Open(), QStringList({Perm(1) + "=0", QString::number(11325 - 13 * 721)}));
  EXPECT_EQ(folder.calls(), QStringList({"adb shell dumpsys package com.y", "adb shell pm revoke com.y " + Perm(1)}));
}

// dumpsys lists the runtime permissions once per user; the rows are the first user's, whose state
// pm grant and revoke change, so opening the dialog, even twice, changes nothing on the headset.
TEST_F(Form4Actions, ASecondUsersListIsNoRowAndOpeningChangesNothing) {
  folder.setRuntimePermissions("com.x", {{Perm(1), true}, {Perm(2), false}});
  const QString block = "      runtime permissions:\\n        " + Perm(1) + ": granted=%1, flags=[ ]\\n        " + Perm(2) +
                        ": granted=%2, flags=[ ]\\n";
  folder.setScenario("adb", "when shell dumpsys package com.x\nout Packages:\\n    User 0: installed=true\\n" +
                                block.arg("true", "false") + "    User 10: installed=true\\n" + block.arg("false", "true") + "\n");
  for (int opening = 0; opening < 2; ++opening)
    EXPECT_EQ(Open([](Form8* form) { form->Command1->click(); }),
              QStringList({Perm(1) + "=1", Perm(2) + "=0", QString::number(11325 - 12 * 721)}));
  EXPECT_EQ(folder.runtimePermissions("com.x"), Perm(1) + " true\n" + Perm(2) + " false\n");
}

// pm prints nothing when it changed the permission: anything else but adb's own server lines is
// shown, and the box goes back without another command.
TEST_F(Form4Actions, ARefusedGrantOrRevokeIsShownAndTheBoxGoesBack) {
  folder.setRuntimePermissions("com.x", {{Perm(1), false}, {Perm(2), true}});
  const QString refused = "Exception occurred while executing 'grant':\njava.lang.SecurityException: not changeable\n";
  const std::tuple<QString, int, bool, QString> cases[] = {  // rule, row clicked, box after, box shown
      {"when~ pm grant\nerr " + QString(refused).replace("\n", "\\n") + "\nexit 255", 1, false, refused},
      {"when~ pm revoke\nerr adb: no devices/emulators found\\n\nexit 1", 2, true, "adb: no devices/emulators found\n"},
      {"when~ pm grant\nout * daemon not running; starting now at tcp:5037\\n* daemon started successfully\\n", 1, true, ""},
  };
  for (const auto& [rule, row, after, shown] : cases) {
    QStringList clicked;
    Open([&](Form8* form) {
      folder.setScenario("adb", rule + "\n");
      folder.clearCalls();
      form->Check1[row]->click();
      clicked = folder.calls();
      EXPECT_EQ(form->Check1[row]->isChecked(), after) << rule.toStdString();
      form->Command1->click();
    });
    EXPECT_EQ(clicked.size(), 1) << rule.toStdString();
    EXPECT_EQ(dialogs.Boxes().isEmpty() ? QString() : dialogs.Boxes().constLast().title + "|" + dialogs.Boxes().constLast().text,
              shown.isEmpty() ? QString() : "Error|" + shown);
    dialogs.Clear();
    folder.setScenario("adb", "");
  }

  QFile::remove(folder.path() + "/adb");
  Open([&](Form8* form) {
    const bool before = form->Check1[1]->isChecked();
    form->Check1[1]->click();
    EXPECT_EQ(form->Check1[1]->isChecked(), before) << "a runner that could not start changed nothing";
  });
  EXPECT_EQ(dialogs.Boxes().constLast().text.section('\n', 0, 0), " File or command not found\r");
}
