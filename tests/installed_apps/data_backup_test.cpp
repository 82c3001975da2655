#include "app_actions_fixture.h"

namespace {
const QString kNoData = "Error|找不到应用数据" + QString(34, ' ');
const QString kNotFound = "Error|找不到应用程序数据！" + QString(8, ' ');
const QString kNoBackup = "Error|没有找到备份！" + QString(9, ' ');
const QString kRestoredTitle = "备份还原" + QString(10, ' ');
}  // namespace

using DataBackup = AppActionsTest;

TEST_F(DataBackup, BackupPullsTheDataFolderIntoTheChosenFolderAndRestoreFromEitherFolderPushesItBack) {
  folder.putOnDevice("Android/data/com.x/files/save.dat", "save");
  folder.putOnDevice("Android/data/com.x/cache/c.bin", "c");
  dialogs.QueueFolder(pc);
  app_actions::NonRootBackup(App());
  ASSERT_EQ(dialogs.FolderChoosers().size(), 1);
  EXPECT_EQ(dialogs.FolderChoosers()[0].title, "Select destination Folder");
  EXPECT_EQ(folder.calls(), QStringList{"adb pull /sdcard/Android/data/com.x " + Logged(pc)});
  EXPECT_EQ(Read(pc + "/com.x/files/save.dat"), "save");
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_EQ(opened, QStringList{pc});

  for (const QString& chosen : {pc, pc + "/com.x"}) {
    QDir(folder.deviceRoot() + "/Android/data/com.x").removeRecursively();
    folder.clearCalls();
    dialogs.QueueFolder(chosen);
    app_actions::Restore(App());
    EXPECT_EQ(dialogs.FolderChoosers().constLast().title, "选择包含备份数据的文件夹" + QString(18, ' '));
    EXPECT_EQ(folder.calls(), QStringList{"adb push " + Logged(pc + "/com.x") + " /sdcard/Android/data/"});
    EXPECT_TRUE(folder.onDevice("Android/data/com.x/files/save.dat")) << chosen.toStdString();
    ASSERT_FALSE(dialogs.Boxes().isEmpty());
    EXPECT_EQ(dialogs.Boxes().constLast().title, kRestoredTitle);
    EXPECT_EQ(dialogs.Boxes().constLast().text, pc + "/com.x/: 2 files pushed, 0 skipped. 12.3 MB/s (5 bytes in 0.001s)\n");
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbInformation);
  }
}

TEST_F(DataBackup, RestoreWithoutABackupFolderWhereThePathRuleLeadsPushesNothing) {
  ASSERT_TRUE(QDir().mkpath(pc + "/com.x.old/com.x"));
  ASSERT_TRUE(QDir().mkpath(pc + "/COM.X"));
  Write(pc + "/COM.X/com.x", "a file, not a folder");
  for (const QString& chosen : {pc + "/com.x.old", pc + "/COM.X", pc + "/nothing"}) {
    dialogs.QueueFolder(chosen);
    app_actions::Restore(App());
    EXPECT_EQ(BoxTexts().constLast(), kNoBackup) << chosen.toStdString();
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
  }
  app_actions::Restore(App());  // cancelled
  app_actions::NonRootBackup(App());
  cell = "com.x/../..";
  dialogs.QueueFolder(pc + "/com.x.old");
  app_actions::Restore(App());
  EXPECT_EQ(dialogs.Boxes().size(), 3);
  EXPECT_EQ(dialogs.FolderChoosers().size(), 5);
  EXPECT_TRUE(folder.calls().isEmpty());
}

// A pull that copied nothing because the folder is empty still opens it; any other pull that
// copied nothing says why and opens nothing.
TEST_F(DataBackup, TheEndingFollowsWhatThePullReported) {
  struct Case {
    QString device, rule, boxes;
    int style;
    bool opens;
  };
  const Case cases[] = {
      {"Android/data/com.x/", "", kNoData, platform::vbInformation, true},
      {"", "", kNotFound, platform::vbInformation, false},
      {"", "when~ ^pull\nerr adb: no devices/emulators found\\n\n", "Error|adb: no devices/emulators found\n",
       platform::vbCritical, false},
      {"Android/data/com.x/a", "when~ ^pull\nerr adb: error: cannot create 'x': Permission denied\\n\n",
       "Error|adb: error: cannot create 'x': Permission denied\n", platform::vbCritical, false},
  };
  for (const Case& c : cases) {
    QDir(folder.deviceRoot() + "/Android/data").removeRecursively();
    if (c.device.endsWith('/')) QDir().mkpath(folder.deviceRoot() + "/" + c.device);
    else if (!c.device.isEmpty()) folder.putOnDevice(c.device);
    folder.setScenario("adb", c.rule);
    dialogs.QueueFolder(pc);
    const qsizetype boxesBefore = dialogs.Boxes().size();
    const int beepsBefore = beeps.count();
    opened.clear();
    app_actions::NonRootBackup(App());
    EXPECT_EQ(BoxTexts().mid(boxesBefore), QStringList{c.boxes});
    ASSERT_EQ(dialogs.Boxes().size(), boxesBefore + 1);
    EXPECT_EQ(dialogs.Boxes().constLast().style, c.style);
    EXPECT_EQ(beeps.count() - beepsBefore, c.opens ? 1 : 0);
    EXPECT_EQ(opened, c.opens ? QStringList{pc} : QStringList());
  }
}
