#include "app_actions_fixture.h"

using DataBackup = AppActionsTest;

TEST_F(DataBackup, BackupPullsTheDataFolderIntoTheChosenFolderAndRestoreFromEitherFolderPushesItBack) {
  folder.putOnDevice("Android/data/com.x/files/save.dat", "save");
  folder.putOnDevice("Android/data/com.x/cache/c.bin", "c");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(folder.calls(), QStringList{"adb pull /sdcard/Android/data/com.x " + LoggedArgument(pc)});
  EXPECT_EQ(ReadTestFile(pc + "/com.x/files/save.dat"), "save");
  EXPECT_EQ(Outcome(), QStringList({"beep", pc}));

  for (const QString& chosen : {pc, pc + "/com.x"}) {
    QDir(folder.deviceRoot() + "/Android/data/com.x").removeRecursively();
    folder.clearCalls();
    dialogs.QueueFolder(chosen);
    app_actions::Restore(App());
    EXPECT_EQ(folder.calls(), QStringList{"adb push " + LoggedArgument(pc + "/com.x") + " /sdcard/Android/data/"});
    EXPECT_TRUE(folder.onDevice("Android/data/com.x/files/save.dat")) << chosen.toStdString();
    ASSERT_EQ(Outcome(), QStringList{"备份还原" + QString(10, ' ') + "|" + pc +
                                     "/com.x/: 2 files pushed, 0 skipped. 12.3 MB/s (5 bytes in 0.001s)\n"});
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbInformation);
  }
}

TEST_F(DataBackup, RestoreWithoutABackupFolderWhereThePathRuleLeadsPushesNothing) {
  ASSERT_TRUE(QDir().mkpath(pc + "/com.x.old/com.x") && QDir().mkpath(pc + "/COM.X"));
  ASSERT_TRUE(WriteTestFile(pc + "/COM.X/com.x", "a file, not a folder"));
  for (const QString& chosen : {pc + "/com.x.old", pc + "/COM.X", pc + "/nothing"}) {
    dialogs.QueueFolder(chosen);
    app_actions::Restore(App());
    ASSERT_EQ(Outcome(), QStringList{"Error|没有找到备份！" + QString(9, ' ')}) << chosen.toStdString();
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
  }
  app_actions::Restore(App());  // cancelled
  app_actions::NonRootBackup(App());
  cell = "com.x/../..";
  dialogs.QueueFolder(pc + "/com.x.old");
  app_actions::Restore(App());
  app_actions::NonRootBackup(App());
  EXPECT_EQ(dialogs.FolderChoosers().size(), 5);
  EXPECT_TRUE(Outcome().isEmpty() && folder.calls().isEmpty());
}

// A pull that copied nothing because the folder is empty still opens it; any other pull that
// copied nothing says why and opens nothing.
TEST_F(DataBackup, TheEndingFollowsWhatThePullReported) {
  const QString denied = "adb: error: cannot create 'x': Permission denied";
  const std::tuple<QString, QString, QStringList, int> cases[] = {  // on the headset, adb's error, seen, icon
      {"Android/data/com.x/", "", {"Error|找不到应用数据" + QString(34, ' '), "beep", pc}, platform::vbInformation},
      {"", "", {"Error|找不到应用程序数据！" + QString(8, ' ')}, platform::vbInformation},
      {"", "adb: no devices/emulators found", {"Error|adb: no devices/emulators found\n"}, platform::vbCritical},
      {"Android/data/com.x/a", denied, {"Error|" + denied + "\n"}, platform::vbCritical},
  };
  for (const auto& [device, error, seen, style] : cases) {
    QDir(folder.deviceRoot() + "/Android/data").removeRecursively();
    if (device.endsWith('/')) QDir().mkpath(folder.deviceRoot() + "/" + device);
    else if (!device.isEmpty()) folder.putOnDevice(device);
    folder.setScenario("adb", error.isEmpty() ? "" : "when~ ^pull\nerr " + error + "\\n\n");
    dialogs.QueueFolder(pc);
    app_actions::NonRootBackup(App());
    ASSERT_EQ(Outcome(), seen) << device.toStdString();
    EXPECT_EQ(dialogs.Boxes().constLast().style, style);
  }
}
