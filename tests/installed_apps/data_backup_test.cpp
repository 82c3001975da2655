#include <QScopeGuard>

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
  for (const QString& chosen : {pc + "/COM.X", pc + "/nothing", pc + "/com.x.old/com.x/x"}) {
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
    QDir(pc + "/com.x").removeRecursively();
    if (device.endsWith('/')) QDir().mkpath(folder.deviceRoot() + "/" + device);
    else if (!device.isEmpty()) folder.putOnDevice(device);
    folder.setScenario("adb", error.isEmpty() ? "" : "when~ ^pull\nerr " + error + "\\n\n");
    dialogs.QueueFolder(pc);
    app_actions::NonRootBackup(App());
    ASSERT_EQ(Outcome(), seen) << device.toStdString();
    EXPECT_EQ(dialogs.Boxes().constLast().style, style);
  }
}

// A restore is judged by what the push reported; the chosen folder may be the backup itself or
// any folder holding it, and the backup lands in the app's own folder on the headset.
TEST_F(DataBackup, RestoreFindsTheBackupInOrAsTheChosenFolderAndShowsAFailedPushAsAnError) {
  ASSERT_TRUE(WriteTestFile(pc + "/com.x-saves/com.x/files/save.dat", "save"));
  for (const QString& chosen : {pc + "/com.x-saves", pc + "/com.x-saves/com.x"}) {
    QDir(folder.deviceRoot() + "/Android/data").removeRecursively();
    folder.clearCalls();
    dialogs.QueueFolder(chosen);
    app_actions::Restore(App());
    EXPECT_EQ(folder.calls(), QStringList{"adb push " + LoggedArgument(pc + "/com.x-saves/com.x") + " /sdcard/Android/data/"});
    EXPECT_TRUE(folder.onDevice("Android/data/com.x/files/save.dat")) << chosen.toStdString();
    EXPECT_FALSE(folder.onDevice("Android/data/com.x/com.x"));
    EXPECT_EQ(Outcome().value(0).section('|', 0, 0), "备份还原" + QString(10, ' '));
  }
  const QString gone = "adb: error: failed to get feature set: no devices/emulators found";
  for (const QString& rule : {"err " + gone + "\\n\nexit 1", QString("exit 1")}) {
    folder.setScenario("adb", "when~ ^push\n" + rule + "\n");
    dialogs.QueueFolder(pc + "/com.x-saves");
    app_actions::Restore(App());
    EXPECT_EQ(Outcome(), QStringList{"Error|" + (rule.startsWith("err") ? gone + "\n" : QString())});
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
  }
}

// Only adb's word that the app's data folder itself is missing is "no data"; a local error that
// mentions a missing file is shown as it is.
TEST_F(DataBackup, ALocalErrorAboutAMissingFileIsShownAndNotTakenForNoData) {
  folder.putOnDevice("Android/data/com.x/a");
  const QString local = "adb: error: cannot create '" + pc + "/com.x/a': No such file or directory";
  folder.setScenario("adb", "when~ ^pull\nerr " + local + "\\n\nexit 1\n");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(Outcome(), QStringList{"Error|" + local + "\n"});
}

// A second backup into the same folder asks first, keeps the earlier one whole until the new one
// has arrived, then moves it to the trash: files the app has deleted since do not come back.
TEST_F(DataBackup, ASecondBackupReplacesTheFirstWholeAfterAYesAndOnlyOnceItArrived) {
  folder.putOnDevice("Android/data/com.x/files/a", "a1");
  folder.putOnDevice("Android/data/com.x/files/b", "b1");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  ASSERT_EQ(Outcome(), QStringList({"beep", pc}));
  QFile::remove(folder.deviceRoot() + "/Android/data/com.x/files/b");
  folder.putOnDevice("Android/data/com.x/files/a", "a2");
  const QString question = ReplaceQuestion(pc + "/com.x");

  folder.clearCalls();
  dialogs.QueueFolder(pc);
  dialogs.QueueAnswer(platform::vbNo);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(Outcome(), QStringList{question});
  EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbYesNo | platform::vbQuestion | platform::vbDefaultButton2);
  EXPECT_TRUE(folder.calls().isEmpty());

  folder.setScenario("adb", "when~ ^pull\nerr adb: error: failed to copy 'x' to 'y': remote open failed\\n\nexit 1\n");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(Outcome().value(1), "Error|adb: error: failed to copy 'x' to 'y': remote open failed\n");
  EXPECT_EQ(ReadTestFile(pc + "/com.x/files/b"), "b1") << "a failed pull leaves the earlier backup whole";
  EXPECT_EQ(Entries(pc), QStringList{"com.x"});

  folder.setScenario("adb", "");
  folder.clearCalls();
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(Outcome(), QStringList({question, "beep", pc}));
  ASSERT_EQ(folder.calls().size(), 1);
  EXPECT_FALSE(folder.calls()[0].endsWith(LoggedArgument(pc))) << "never pulled into the folder holding com.x";
  EXPECT_EQ(ReadTestFile(pc + "/com.x/files/a"), "a2");
  EXPECT_FALSE(QFileInfo::exists(pc + "/com.x/files/b"));
  EXPECT_FALSE(QFileInfo::exists(pc + "/com.x/com.x"));
  EXPECT_EQ(ReadTestFile(Trashed("com.x/files/b")), "b1");
  EXPECT_EQ(Entries(pc), QStringList{"com.x"});
}

// A data folder that adb may not read is not a missing one: its error shows, and after a Yes the
// earlier backup stays whole.
TEST_F(DataBackup, ARefusedReadOfTheDataFolderIsAnErrorAndTheEarlierBackupStays) {
  ASSERT_TRUE(WriteTestFile(pc + "/com.x/files/a", "a1"));
  const QString denied = "adb: error: failed to stat remote object '/sdcard/Android/data/com.x': Permission denied";
  folder.setScenario("adb", "when~ ^pull\nerr " + denied + "\\n\nexit 1\n");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  EXPECT_EQ(Outcome(), QStringList({ReplaceQuestion(pc + "/com.x"), "Error|" + denied + "\n"}));
  EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
  EXPECT_EQ(ReadTestFile(pc + "/com.x/files/a"), "a1");
  EXPECT_EQ(Entries(pc), QStringList{"com.x"});
}

// Where no trash can be made (no folder under a regular file, even for root), Qt 6.4 still
// reports success after moving the folder into files/ under the working folder. The earlier
// backup stays, the new one is kept under a free name, and what Qt wrote there is taken back.
TEST_F(DataBackup, WithoutAReachableTrashBothBackupsStayAndTheBoxNamesThem) {
  ASSERT_TRUE(WriteTestFile(pc + "/com.x/files/a", "old"));
  ASSERT_TRUE(QDir().mkpath(pc + "/com.x (new)"));
  folder.putOnDevice("Android/data/com.x/files/a", "new");
  ASSERT_TRUE(WriteTestFile(dataHome.filePath("plain"), "a file"));
  qputenv("XDG_DATA_HOME", dataHome.filePath("plain/data").toUtf8());
  QTemporaryDir work;
  const auto back = qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
  ASSERT_TRUE(QDir::setCurrent(work.path()));
  for (const QString kept : {"/com.x (new 2)", "/com.x (new 3)"}) {
    dialogs.QueueFolder(pc);
    app_actions::NonRootBackup(App());
    EXPECT_EQ(Outcome(), QStringList({ReplaceQuestion(pc + "/com.x"),
                                      "Error|The earlier backup could not be moved to the trash and stays as it was:\n" +
                                          pc + "/com.x\nThe new backup is kept as:\n" + pc + kept}));
    EXPECT_EQ(ReadTestFile(pc + kept + "/files/a"), "new");
  }
  EXPECT_EQ(ReadTestFile(pc + "/com.x/files/a"), "old");
  EXPECT_EQ(Entries(pc), QStringList({"com.x", "com.x (new 2)", "com.x (new 3)", "com.x (new)"}));
  EXPECT_EQ(Entries(work.path() + "/files") + Entries(work.path() + "/info"), QStringList());
}
