#include "app_actions_fixture.h"

namespace {
const QString kChill = "Chill|请稍候，这可能需要一段时间..." + QString(23, ' ');
const QString kPmPath = "adb shell pm path com.x";
}  // namespace

class ApkBackup : public AppActionsTest {
 protected:
  void SetUp() override {
    AppActionsTest::SetUp();
    folder.putOnDevice("app/com.x-1/base.apk", "base");
    folder.putOnDevice("app/com.x-1/split_config.arm64_v8a.apk", "split");
    PmPath("package:/sdcard/app/com.x-1/split_config.arm64_v8a.apk\\npackage:/sdcard/app/com.x-1/base.apk\\n");
  }
  void PmPath(const QString& answer, const QString& more = QString()) {
    folder.setScenario("adb", more + "when shell pm path com.x\nout " + answer + "\n");
    folder.clearCalls();
  }
};

// An app installed as several APKs is backed up by its base APK; the OBB folder arrives beside it.
TEST_F(ApkBackup, SavesTheBaseApkUnderTheProposedNameAndTheObbFolderBesideIt) {
  dialogs.QueueSaveName(pc + "/com.x");
  app_actions::BackupApk(App());
  ASSERT_EQ(dialogs.SaveDialogs().size(), 1);
  EXPECT_EQ(dialogs.SaveDialogs()[0].defaultName, "com.x");
  EXPECT_EQ(folder.calls(),
            QStringList({kPmPath, "adb pull /sdcard/app/com.x-1/base.apk " + LoggedArgument(pc + "/com.x.apk")}));
  EXPECT_EQ(ReadTestFile(pc + "/com.x.apk"), "base");
  EXPECT_EQ(Outcome(), QStringList({"beep", pc + "/"}));

  folder.putOnDevice("Android/obb/com.x/main.1.com.x.obb", "obb");
  dialogs.QueueSaveName(pc + "/game.APK");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(folder.calls().constLast(), "adb pull /sdcard/Android/obb/com.x " + LoggedArgument(pc + "/com.x"));
  EXPECT_EQ(ReadTestFile(pc + "/com.x/main.1.com.x.obb") + ReadTestFile(pc + "/game.APK"), "obbbase");
  EXPECT_EQ(Outcome(), QStringList({kChill, "beep", pc + "/"}));
}

// Without "package:" at the very start nothing follows the box; APK + OBB shows "Chill" first and
// its box has no title of its own.
TEST_F(ApkBackup, QueryWithoutThePrefixShowsItsOutputAndEnds) {
  for (const QString answer : {" package:/sdcard/app/com.x-1/base.apk\\r\\n", "\\r\\npackage:/sdcard/app/com.x-1/base.apk",
                               "adb: no devices/emulators found\\n", ""})
    for (const bool withObb : {false, true}) {
      PmPath(answer);
      withObb ? app_actions::BackupApkObb(App()) : app_actions::BackupApk(App());
      const QString shown = QString(answer).replace("\\r", "\r").replace("\\n", "\n");
      ASSERT_EQ(Outcome(), (withObb ? QStringList{kChill, "Tarnwick|" + shown} : QStringList{"Error|" + shown}));
      EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
      EXPECT_EQ(folder.calls(), QStringList{kPmPath}) << answer.toStdString();
    }
  EXPECT_TRUE(dialogs.SaveDialogs().isEmpty());
}

TEST_F(ApkBackup, CancelPullFailureAndBadCellsEndQuietlyOrWithAdbsText) {
  app_actions::BackupApkObb(App());  // the dialog is cancelled after "Chill" and the query
  EXPECT_EQ(Outcome(), QStringList{kChill});
  EXPECT_EQ(folder.calls(), QStringList{kPmPath});

  PmPath("package:/sdcard/app/gone/base.apk\\n");
  dialogs.QueueSaveName(pc + "/x.apk");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(Outcome(), QStringList({kChill, "Error|adb: error: failed to stat remote object "
                                            "'/sdcard/app/gone/base.apk': No such file or directory\n"}));
  EXPECT_EQ(folder.calls().size(), 2) << "no OBB pull after a failed APK pull";

  cell = "com.x;reboot";
  folder.clearCalls();
  app_actions::BackupApk(App());
  app_actions::BackupApkObb(App());
  EXPECT_TRUE(folder.calls().isEmpty() && Outcome().isEmpty());
}

// The dialog asked about "old"; the pull would write "old.apk", so that file gets its own question.
TEST_F(ApkBackup, AnExistingFileOfTheNameWithApkAddedIsReplacedOnlyAfterAYes) {
  ASSERT_TRUE(WriteTestFile(pc + "/old.apk", "keep"));
  const QStringList question{"Save extracted APK as|old.apk already exists.\nDo you want to replace it?"};
  for (const bool yes : {false, true}) {
    folder.clearCalls();
    dialogs.QueueSaveName(pc + "/old");
    dialogs.QueueAnswer(yes ? platform::vbYes : platform::vbNo);
    app_actions::BackupApk(App());
    ASSERT_EQ(Outcome(), yes ? question + QStringList({"beep", pc + "/"}) : question);
    EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2);
    EXPECT_EQ(folder.calls().size(), yes ? 2 : 1);
    EXPECT_EQ(ReadTestFile(pc + "/old.apk"), yes ? "base" : "keep");
  }
  dialogs.QueueSaveName(pc + "/old.apk");  // the dialog itself asked about this one
  app_actions::BackupApk(App());
  EXPECT_EQ(Outcome(), QStringList({"beep", pc + "/"}));
}

TEST_F(ApkBackup, WithObbOnlyAMissingObbFolderCountsAsFine) {
  const QString full = "adb: error: cannot create 'x': No space left on device";
  for (const QString& error : {QString(), full}) {  // none: no OBB folder on the headset
    PmPath("package:/sdcard/app/com.x-1/base.apk\\n",
           error.isEmpty() ? "" : "when~ ^pull /sdcard/Android/obb\nerr " + error + "\\n\nexit 1\n");
    dialogs.QueueSaveName(pc + "/y.apk");
    app_actions::BackupApkObb(App());
    EXPECT_EQ(Outcome(), error.isEmpty() ? QStringList({kChill, "beep", pc + "/"})
                                         : QStringList({kChill, "Error|" + full + "\n"}));
  }
}

// An OBB file that vanished while it was pulled leaves a half backup: that is an error, not an
// app without OBB files.
TEST_F(ApkBackup, AnObbPullThatFailedInsideTheFolderIsShown) {
  const QString vanished = "adb: error: failed to copy '/sdcard/Android/obb/com.x/main.1.com.x.obb' to '" + pc +
                           "/com.x/main.1.com.x.obb': remote open failed: No such file or directory";
  PmPath("package:/sdcard/app/com.x-1/base.apk\\n", "when~ ^pull /sdcard/Android/obb\nerr " + vanished + "\\n\nexit 1\n");
  dialogs.QueueSaveName(pc + "/y.apk");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(Outcome(), QStringList({kChill, "Error|" + vanished + "\n"}));
}

// A second APK + OBB backup into the same folder replaces the earlier OBB folder whole, after a
// Yes; a No changes nothing, the APK included.
TEST_F(ApkBackup, ASecondObbBackupReplacesTheEarlierObbFolderAfterAYes) {
  folder.putOnDevice("Android/obb/com.x/main.1.com.x.obb", "old");
  dialogs.QueueSaveName(pc + "/y.apk");
  app_actions::BackupApkObb(App());
  ASSERT_EQ(Outcome(), QStringList({kChill, "beep", pc + "/"}));
  QDir(folder.deviceRoot() + "/Android/obb/com.x").removeRecursively();
  folder.putOnDevice("Android/obb/com.x/main.2.com.x.obb", "new");
  folder.putOnDevice("app/com.x-1/base.apk", "base2");
  const QString question = ReplaceQuestion(pc + "/com.x");

  folder.clearCalls();
  dialogs.QueueSaveName(pc + "/y.apk");
  dialogs.QueueAnswer(platform::vbOK);  // "Chill"
  dialogs.QueueAnswer(platform::vbNo);
  app_actions::BackupApkObb(App());
  EXPECT_EQ(Outcome(), QStringList({kChill, question}));
  EXPECT_EQ(folder.calls(), QStringList{kPmPath});
  EXPECT_EQ(ReadTestFile(pc + "/y.apk"), "base");

  dialogs.QueueSaveName(pc + "/y.apk");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(Outcome(), QStringList({kChill, question, "beep", pc + "/"}));
  EXPECT_EQ(Entries(pc + "/com.x"), QStringList{"main.2.com.x.obb"});
  EXPECT_EQ(ReadTestFile(pc + "/y.apk"), "base2");
  EXPECT_EQ(ReadTestFile(Trashed("com.x/main.1.com.x.obb")), "old");
  EXPECT_EQ(Entries(pc), QStringList({"com.x", "y.apk"}));
}

// A refused read of the OBB folder is adb's error, not an app without OBB files: after a Yes the
// earlier OBB backup stays whole and nothing of the new one is left beside it.
TEST_F(ApkBackup, ARefusedReadOfTheObbFolderIsShownAndTheEarlierObbBackupStays) {
  ASSERT_TRUE(WriteTestFile(pc + "/com.x/main.1.com.x.obb", "old"));
  const QString denied = "adb: error: failed to stat remote object '/sdcard/Android/obb/com.x': Permission denied";
  PmPath("package:/sdcard/app/com.x-1/base.apk\\n", "when~ ^pull /sdcard/Android/obb\nerr " + denied + "\\n\nexit 1\n");
  dialogs.QueueSaveName(pc + "/y.apk");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(Outcome(), QStringList({kChill, ReplaceQuestion(pc + "/com.x"), "Error|" + denied + "\n"}));
  EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
  EXPECT_EQ(ReadTestFile(pc + "/com.x/main.1.com.x.obb"), "old");
  EXPECT_EQ(Entries(pc), QStringList({"com.x", "y.apk"}));
}

// org.foo.apk passes the name check. A typed name on the OBB folder's path is refused before any
// pull; the proposed org.foo.apk.apk lets a second backup replace the OBB folder and keep its APK.
TEST_F(ApkBackup, APackageNamedLikeAnApkFileNeverSharesAPathWithItsObbFolder) {
  cell = "org.foo.apk";
  folder.setScenario("adb", "when shell pm path org.foo.apk\nout package:/sdcard/app/org.foo.apk-1/base.apk\\n\n");
  folder.putOnDevice("app/org.foo.apk-1/base.apk", "base");
  folder.putOnDevice("Android/obb/org.foo.apk/main.2.obb", "new");
  const QString apk = pc + "/org.foo.apk.apk", obb = pc + "/org.foo.apk";
  ASSERT_TRUE(WriteTestFile(obb + "/main.1.obb", "old"));
  for (const QString& typed : {obb, pc + "/ORG.foo.APK"}) {
    folder.clearCalls();
    dialogs.QueueSaveName(typed);
    app_actions::BackupApkObb(App());
    EXPECT_EQ(Outcome(), QStringList({kChill, "Error|The APK cannot be saved as\n" + typed +
                                                  "\nThe OBB files go into a folder of that name. Choose another name."}));
    EXPECT_EQ(folder.calls(), QStringList{"adb shell pm path org.foo.apk"});
  }
  dialogs.QueueSaveName(apk);
  app_actions::BackupApkObb(App());
  EXPECT_EQ(dialogs.SaveDialogs().constLast().defaultName, "org.foo.apk.apk");
  EXPECT_EQ(Outcome(), QStringList({kChill, ReplaceQuestion(obb), "beep", pc + "/"}));
  EXPECT_EQ(ReadTestFile(apk) + ReadTestFile(obb + "/main.2.obb") + ReadTestFile(Trashed("org.foo.apk/main.1.obb")),
            "basenewold");
  EXPECT_EQ(Entries(pc), QStringList({"org.foo.apk", "org.foo.apk.apk"}));
}
