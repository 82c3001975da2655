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
    PmPath("package:/sdcard/app/com.x-1/base.apk\\r\\n");
  }
  void PmPath(const QString& answer, const QString& more = QString()) {
    folder.setScenario("adb", more + "when shell pm path com.x\nout " + answer + "\n");
    folder.clearCalls();
  }
};

// An app installed as several APKs is backed up by its base APK.
TEST_F(ApkBackup, SavesThePulledApkUnderTheProposedNameThenBeepsAndOpensItsFolder) {
  dialogs.QueueSaveName(pc + "/com.x");
  app_actions::BackupApk(App());
  ASSERT_EQ(dialogs.SaveDialogs().size(), 1);
  const RecordedFileDialog& d = dialogs.SaveDialogs()[0];
  EXPECT_EQ(QStringList({d.title, d.filter, d.defaultName, d.initialDir}),
            QStringList({"Save extracted APK as", "Android apk (*.apk)", "com.x", ""}));
  EXPECT_EQ(folder.calls(), QStringList({kPmPath, "adb pull /sdcard/app/com.x-1/base.apk " + Logged(pc + "/com.x.apk")}));
  EXPECT_EQ(Read(pc + "/com.x.apk"), "base");
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_EQ(opened, QStringList{pc + "/"});

  PmPath("package:/sdcard/app/com.x-1/split_config.arm64_v8a.apk\\npackage:/sdcard/app/com.x-1/base.apk\\n");
  dialogs.QueueSaveName(pc + "/game.APK");
  app_actions::BackupApk(App());
  EXPECT_EQ(Read(pc + "/game.APK"), "base");
}

// Without "package:" at the very start nothing follows the box; APK + OBB shows "Chill" first and
// its box has no title of its own.
TEST_F(ApkBackup, QueryWithoutThePrefixShowsItsOutputAndEnds) {
  for (const QString answer : {" package:/sdcard/app/com.x-1/base.apk\\r\\n", "\\r\\npackage:/sdcard/app/com.x-1/base.apk",
                               "adb: no devices/emulators found\\n", ""}) {
    for (const bool withObb : {false, true}) {
      PmPath(answer);
      const qsizetype before = dialogs.Boxes().size();
      withObb ? app_actions::BackupApkObb(App()) : app_actions::BackupApk(App());
      const QString shown = QString(answer).replace("\\r", "\r").replace("\\n", "\n");
      const QStringList expected = withObb ? QStringList{kChill, "Tarnwick|" + shown} : QStringList{"Error|" + shown};
      EXPECT_EQ(BoxTexts().mid(before), expected) << answer.toStdString();
      EXPECT_EQ(dialogs.Boxes().constLast().style, platform::vbCritical);
      EXPECT_EQ(folder.calls(), QStringList{kPmPath});
    }
  }
  EXPECT_TRUE(dialogs.SaveDialogs().isEmpty());
  EXPECT_EQ(beeps.count(), 0);
}

TEST_F(ApkBackup, CancelPullFailureAndBadCellsEndQuietlyOrWithAdbsText) {
  app_actions::BackupApkObb(App());  // the dialog is cancelled after "Chill" and the query
  EXPECT_EQ(BoxTexts(), QStringList{kChill});
  EXPECT_EQ(folder.calls(), QStringList{kPmPath});

  PmPath("package:/sdcard/app/gone/base.apk\\n");
  dialogs.QueueSaveName(pc + "/x.apk");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(BoxTexts().constLast(),
            "Error|adb: error: failed to stat remote object '/sdcard/app/gone/base.apk': No such file or directory\n");
  EXPECT_EQ(folder.calls().size(), 2) << "no OBB pull after a failed APK pull";

  for (const QString bad : {"com.x;reboot", "", "../com.x"}) {
    cell = bad;
    folder.clearCalls();
    app_actions::BackupApk(App());
    app_actions::BackupApkObb(App());
    EXPECT_TRUE(folder.calls().isEmpty());
  }
  EXPECT_EQ(dialogs.Boxes().size(), 3);
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_TRUE(opened.isEmpty());
}

// The dialog asked about "old"; the pull would write "old.apk", so that file gets its own question.
TEST_F(ApkBackup, AnExistingFileOfTheNameWithApkAddedIsReplacedOnlyAfterAYes) {
  Write(pc + "/old.apk", "keep");
  for (const int answer : {platform::vbNo, platform::vbYes}) {
    folder.clearCalls();
    dialogs.QueueSaveName(pc + "/old");
    dialogs.QueueAnswer(answer);
    app_actions::BackupApk(App());
    ASSERT_EQ(dialogs.Boxes().size(), answer == platform::vbNo ? 1 : 2);
    const RecordedBox& box = dialogs.Boxes().constLast();
    EXPECT_EQ(box.text, "old.apk already exists.\nDo you want to replace it?");
    EXPECT_EQ(box.title, "Save extracted APK as");
    EXPECT_EQ(box.style, platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2);
    EXPECT_EQ(folder.calls().size(), answer == platform::vbYes ? 2 : 1);
    EXPECT_EQ(Read(pc + "/old.apk"), answer == platform::vbYes ? "base" : "keep");
  }
  dialogs.QueueSaveName(pc + "/old.apk");  // the dialog itself asked about this one
  app_actions::BackupApk(App());
  EXPECT_EQ(dialogs.Boxes().size(), 2);
}

TEST_F(ApkBackup, WithObbTheObbFolderArrivesBesideTheApkAndOnlyAMissingOneCountsAsFine) {
  folder.putOnDevice("Android/obb/com.x/main.1.com.x.obb", "obb");
  dialogs.QueueSaveName(pc + "/com.x");
  app_actions::BackupApkObb(App());
  EXPECT_EQ(folder.calls().constLast(), "adb pull /sdcard/Android/obb/com.x " + Logged(pc + "/com.x"));
  EXPECT_EQ(Read(pc + "/com.x/main.1.com.x.obb"), "obb");
  EXPECT_EQ(Read(pc + "/com.x.apk"), "base");
  EXPECT_EQ(BoxTexts(), QStringList{kChill});
  EXPECT_EQ(opened, QStringList{pc + "/"});

  struct Case {
    QString obbRule, box;
  };
  const Case cases[] = {
      {"", ""},  // no OBB folder on the headset
      {"when~ ^pull /sdcard/Android/obb\nerr adb: error: cannot create 'x': No space left on device\\n\nexit 1\n",
       "Error|adb: error: cannot create 'x': No space left on device\n"},
  };
  for (const Case& c : cases) {
    folder.setScenario("adb", c.obbRule + "when shell pm path com.y\nout package:/sdcard/app/com.x-1/base.apk\n");
    cell = "com.y";
    dialogs.QueueSaveName(pc + "/y.apk");
    const int beepsBefore = beeps.count();
    opened.clear();
    app_actions::BackupApkObb(App());
    EXPECT_EQ(BoxTexts().constLast(), c.box.isEmpty() ? kChill : c.box);
    EXPECT_EQ(beeps.count() - beepsBefore, c.box.isEmpty() ? 1 : 0);
    EXPECT_EQ(opened, c.box.isEmpty() ? QStringList{pc + "/"} : QStringList());
  }
}
