#include "app_actions_fixture.h"

using LaunchUninstall = AppActionsTest;

TEST_F(LaunchUninstall, LaunchSendsTheMonkeyLineAndShowsNothingWhateverAdbSays) {
  for (const QString answer : {"Events injected: 1", "** No activities found to run, monkey aborted.", ""}) {
    folder.setScenario("adb", "when~ monkey\nout " + answer + "\n");
    folder.clearCalls();
    app_actions::StartApk(App());
    EXPECT_EQ(folder.calls(), QStringList{"adb shell monkey -p com.x -c android.intent.category.LAUNCHER 1"});
    EXPECT_TRUE(runner.CommandLine().endsWith(" -c android.intent.category.LAUNCHER 1 "));
    EXPECT_EQ(CmdResult, answer);
  }
  cell = "com.x;reboot";
  folder.clearCalls();
  app_actions::StartApk(App());
  EXPECT_TRUE(folder.calls().isEmpty() && dialogs.Boxes().isEmpty());
}

// The repeat check compares the cell as it stands; the command uses the cleaned name.
TEST_F(LaunchUninstall, UninstallRefusesTheSameCellTwiceAndJudgesTheSuccessWord) {
  folder.setScenario("adb", "when uninstall com.b\nout Failure [DELETE_FAILED_INTERNAL_ERROR]\\r\\n\n"
                            "when uninstall com.c\nout Succes\n"
                            "when uninstall com.d\n"
                            "when~ ^uninstall\nout Success\\r\\n\n");
  const QString ok = "Info|成功，APK已卸载" + QString(15, ' '), again = "Info|APK already uninstalled";
  const std::tuple<QString, QString, QString> steps[] = {  // the cell, the command run, the box
      {"", "", again},  // the kept text starts empty
      {"com.a \r", "adb uninstall com.a", ok},
      {"com.a \r", "", again},
      {"com.a\r", "adb uninstall com.a", ok},  // another text, the same package
      {"com.b", "adb uninstall com.b", "Error|Failure [DELETE_FAILED_INTERNAL_ERROR]\r\n"},
      {"com.b", "", again},  // a failed uninstall counts as the last one too
      {"com.c", "adb uninstall com.c", "Error|Succes"},
      {"com.d", "adb uninstall com.d", "Error|"},
      {"com.a \r", "adb uninstall com.a", ok},
      {"a;reboot", "", ""},
  };
  QString LastUninstalled;
  for (const auto& [stepCell, command, box] : steps) {
    folder.clearCalls();
    cell = stepCell;
    app_actions::Uninstall(App(), LastUninstalled);
    EXPECT_EQ(folder.calls(), command.isEmpty() ? QStringList() : QStringList{command}) << cell.toStdString();
    EXPECT_EQ(Outcome(), box.isEmpty() ? QStringList() : QStringList{box}) << cell.toStdString();
    EXPECT_EQ(LastUninstalled, cell);
  }
  EXPECT_EQ(dialogs.Boxes()[1].style, platform::vbOKOnly);
  EXPECT_EQ(dialogs.Boxes()[4].style, platform::vbCritical);
}
