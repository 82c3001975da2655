#include <gtest/gtest.h>

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
#include "support/scripted_dialogs.h"

namespace {

QString Perm(int k) { return "android.permission.P" + QString::number(k); }

// The rows shown as "name=1|0", and the window height.
struct Shown {
  QStringList rows;
  int height = 0;
};

Shown Look(Form8* form) {
  Shown shown{{}, form->WindowHeight()};
  for (int i = 1; i <= Form8::kRows; ++i)
    if (form->Frame1[i]->isVisibleTo(form))
      shown.rows.append(form->Label1[i]->text() + (form->Check1[i]->isChecked() ? "=1" : "=0"));
  return shown;
}

}  // namespace

// The installed-apps window with rows for com.x and com.y, the fake headset keeping their
// runtime permissions.
class RuntimePermissionsWindow : public ::testing::Test {
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
  Shown Open(const std::function<void(Form8*)>& inside = {}) {
    Shown shown;
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

TEST_F(RuntimePermissionsWindow, ThreePermissionsTwoGrantedFillThreeRowsAndGrantTheTwoWhileOpening) {
  folder.setRuntimePermissions("com.x", {{Perm(1), true}, {Perm(2), false}, {Perm(3), true}});
  QList<bool> silenced;
  window.objDOS->ReceiveOutputs = [&](QString&) { silenced.append(Module1::OutputSilenced); };
  QStringList callsWhileOpen;
  const Shown shown = Open([&](Form8* form) {
    callsWhileOpen = folder.calls();
    form->Check1[2]->click();  // ticked by the user: granted
    Select(2);
    form->Check1[1]->click();  // cleared while com.y is selected: revoked there
    form->Command1->click();
  });

  EXPECT_EQ(shown.rows, QStringList({Perm(1) + "=1", Perm(2) + "=0", Perm(3) + "=1"}));
  EXPECT_EQ(shown.height, 3394);
  EXPECT_EQ(callsWhileOpen, QStringList({"adb shell dumpsys package com.x", "adb shell pm grant com.x " + Perm(1),
                                         "adb shell pm grant com.x " + Perm(3)}));
  EXPECT_EQ(folder.calls().mid(3), QStringList({"adb shell pm grant com.x " + Perm(2),
                                                "adb shell pm revoke com.y " + Perm(1)}));
  EXPECT_EQ(folder.runtimePermissions("com.x"), Perm(1) + " true\n" + Perm(2) + " true\n" + Perm(3) + " true\n");
  EXPECT_FALSE(silenced.isEmpty());
  EXPECT_FALSE(silenced.contains(false)) << "the listing is silenced";
  EXPECT_FALSE(Module1::OutputSilenced);
  EXPECT_TRUE(dialogs.Boxes().isEmpty()) << "a refused revoke is not reported";

  Form8* form = window.PermissionsDialog();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isHidden());
  EXPECT_EQ(Module1::PermCount, 0);
  EXPECT_EQ(form->WindowHeight(), Form8::kDesignHeight);
  EXPECT_EQ(Look(form).rows.size(), 14) << "Done shows every row again";
}

TEST_F(RuntimePermissionsWindow, TwentyShowFourteenThenDoneAndAnotherAppShowsOnlyItsOwn) {
  QList<QPair<QString, bool>> twenty;
  for (int k = 1; k <= 20; ++k) twenty.append({Perm(k), k == 1});
  folder.setRuntimePermissions("com.x", twenty);
  folder.setRuntimePermissions("com.y", {{Perm(1), false}});
  int count = 0;
  const Shown first = Open([&](Form8* form) {
    count = Module1::PermCount;
    form->Command1->click();
  });
  EXPECT_EQ(count, 20);
  EXPECT_EQ(first.rows.size(), 14);
  EXPECT_EQ(first.rows.constLast(), Perm(14) + "=0");
  EXPECT_EQ(first.height, 11325);

  Select(2);
  folder.clearCalls();
  const Shown second = Open();
  EXPECT_EQ(second.rows, QStringList{Perm(1) + "=0"});
  EXPECT_EQ(second.height, 11325 - 13 * 721);
  // The box kept its tick from the first app; setting it to com.y's value is a change.
  EXPECT_EQ(folder.calls(), QStringList({"adb shell dumpsys package com.y", "adb shell pm revoke com.y " + Perm(1)}));
}

TEST_F(RuntimePermissionsWindow, TheCloseBoxDiscardsTheDialogAndABadCellRunsNothing) {
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
  EXPECT_EQ(Open().rows, QStringList{"android.permission.X;reboot=1"});
  EXPECT_EQ(folder.calls(), QStringList{"adb shell dumpsys package com.y"}) << "a permission name is checked too";

  window.MSFlexGrid1->TextMatrix(2, 1, "com.x;reboot");
  folder.clearCalls();
  const qsizetype opened = dialogs.ModalForms().size();
  window.mnu_Permissions_Click();
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(dialogs.ModalForms().size(), opened);
}
