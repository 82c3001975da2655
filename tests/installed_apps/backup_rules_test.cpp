#include <gtest/gtest.h>

#include "installed_apps/backup_paths.h"
#include "installed_apps/pull_outcome.h"
#include "installed_apps/save_name.h"

TEST(SaveName, ApkAddedUnlessTheLastFourCharactersReadApkInAnyCase) {
  for (const auto& [confirmed, saved] : std::initializer_list<std::pair<QString, QString>>{
           {"/b/com.x", "/b/com.x.apk"},
           {"/b/game.APK", "/b/game.APK"},
           {"/b/game.aPk", "/b/game.aPk"},
           {"/b/game.zip", "/b/game.zip.apk"},
           {"/b/gameapk", "/b/gameapk.apk"},
           {"/b/.apk", "/b/.apk"},
       })
    EXPECT_EQ(WithApkExtension(confirmed), saved) << confirmed.toStdString();
}

TEST(PullOutcome, ZeroFilesOnlyAtTheStartOrAfterANonDigit) {
  for (const auto& [output, zero] : std::initializer_list<std::pair<QString, bool>>{
           {"0 files pulled, 0 skipped.", true},
           {"/sdcard/Android/data/com.x/: 0 files pulled, 0 skipped.", true},
           {"a0 files", true},
           {"/sdcard/Android/data/com.x/: 10 files pulled, 0 skipped.", false},
           {"100 files pulled", false},
           {"0 file pulled", false},
           {"", false},
       })
    EXPECT_EQ(ReportsZeroFiles(output), zero) << output.toStdString();
}

TEST(PullOutcome, DataPullEndsByWhatAdbPrinted) {
  using Ending = DataPullJudgement::Ending;
  struct Case {
    QString output;
    bool zeroFiles;
    Ending ending;
  };
  const Case cases[] = {
      {"/sdcard/Android/data/com.x/: 12 files pulled, 0 skipped. 1.0 MB/s (9 bytes in 0.001s)\n", false, Ending::OpenFolder},
      {"/sdcard/Android/data/com.x/: 1 file pulled, 0 skipped.\n", false, Ending::OpenFolder},
      {"/sdcard/Android/data/com.x/: 0 files pulled, 0 skipped.\n", true, Ending::OpenFolder},
      {"adb: error: failed to stat remote object '/sdcard/Android/data/com.x': No such file or directory\n", false,
       Ending::NotFound},
      {"adb: error: remote object '/sdcard/Android/data/com.x' does not exist\n", false, Ending::NotFound},
      {"adb: no devices/emulators found\n", false, Ending::Error},
      {"adb: error: cannot create '/ro/com.x': Permission denied\n", false, Ending::Error},
      {"", false, Ending::Error},
  };
  for (const Case& c : cases) {
    const DataPullJudgement judged = JudgeDataPull(c.output);
    EXPECT_EQ(judged.zeroFiles, c.zeroFiles) << c.output.toStdString();
    EXPECT_EQ(judged.ending, c.ending) << c.output.toStdString();
  }
}

TEST(PullOutcome, ObbPullFailsOnlyWhenItNeitherCopiedNorFoundNoFolder) {
  for (const auto& [output, failed] : std::initializer_list<std::pair<QString, bool>>{
           {"/sdcard/Android/obb/com.x/: 2 files pulled, 0 skipped.\n", false},
           {"/sdcard/Android/obb/com.x/: 0 files pulled, 0 skipped.\n", false},
           {"adb: error: failed to stat remote object '/sdcard/Android/obb/com.x': No such file or directory\n", false},
           {"adb: error: cannot create '/full/com.x/main.obb': No space left on device\n", true},
           {"adb: no devices/emulators found\n", true},
       })
    EXPECT_EQ(ObbPullFailed(output), failed) << output.toStdString();
  EXPECT_TRUE(ReportsOneFilePulled("/data/app/x/base.apk: 1 file pulled, 0 skipped."));
  EXPECT_FALSE(ReportsOneFilePulled("1 files pulled"));
}

TEST(BackupPaths, DevicePathIsTheCleanedTextAfterThePrefixAndTheBaseApkOfASplitApp) {
  for (const auto& [output, path] : std::initializer_list<std::pair<QString, QString>>{
           {"package:/data/app/com.x-1/base.apk\r\n", "/data/app/com.x-1/base.apk"},
           {"package:/data/app/com.x-1/base.apk", "/data/app/com.x-1/base.apk"},
           {"package:/data/app/~~a==/com.x-b==/split_config.arm64_v8a.apk\n"
            "package:/data/app/~~a==/com.x-b==/base.apk\n",
            "/data/app/~~a==/com.x-b==/base.apk"},
           {"package:/data/app/x/one.apk\npackage:/data/app/x/two.apk\n", ""},
           {" package:/data/app/com.x-1/base.apk\r\n", ""},
           {"\r\npackage:/data/app/com.x-1/base.apk\r\n", ""},
           {"Package:/data/app/com.x-1/base.apk\r\n", ""},
           {"package:-a\n", ""},
           {"", ""},
       })
    EXPECT_EQ(DevicePathFromPmPath(output), path) << output.toStdString();
}

TEST(BackupPaths, RestoreParentDropsEverySlashPackageCaseSensitively) {
  for (const auto& [chosen, parent] : std::initializer_list<std::pair<QString, QString>>{
           {"/home/u/backup", "/home/u/backup"},
           {"/home/u/backup/com.x", "/home/u/backup"},
           {"/home/u/com.x/backup/com.x", "/home/u/backup"},
           {"/home/u/backup/com.x.old", "/home/u/backup.old"},
           {"/home/u/backup/COM.X", "/home/u/backup/COM.X"},
           {"/com.x", ""},
       })
    EXPECT_EQ(RestoreParent(chosen, "com.x"), parent) << chosen.toStdString();
}
