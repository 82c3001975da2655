#include "installed_apps/backup_paths.h"
#include "installed_apps/pull_outcome.h"
#include "installed_apps/save_name.h"
#include "support/gtest_qt.h"

using Pairs = std::initializer_list<std::pair<QString, QString>>;

TEST(BackupRules, ApkAddedUnlessTheNameEndsInItAndRestoreDropsEverySlashPackage) {
  for (const auto& [confirmed, saved] : Pairs{{"/b/com.x", "/b/com.x.apk"}, {"/b/game.aPk", "/b/game.aPk"},
                                              {"/b/game.zip", "/b/game.zip.apk"}, {"/b/gameapk", "/b/gameapk.apk"}})
    EXPECT_EQ(WithApkExtension(confirmed), saved) << confirmed.toStdString();
  for (const auto& [chosen, parent] : Pairs{{"/u/backup", "/u/backup"}, {"/u/backup/com.x", "/u/backup"},
                                            {"/u/com.x/backup/com.x", "/u/backup"}, {"/u/backup/com.x.old", "/u/backup.old"},
                                            {"/u/backup/COM.X", "/u/backup/COM.X"}})
    EXPECT_EQ(RestoreParent(chosen, "com.x"), parent) << chosen.toStdString();
}

TEST(BackupRules, PullOutputsDecideHowBackupsEnd) {
  using Ending = DataPullJudgement::Ending;
  const std::tuple<QString, bool, Ending, bool> cases[] = {  // output, "0 files", data ending, OBB failed
      {"/sdcard/a/: 1 file pulled, 0 skipped.\n", false, Ending::OpenFolder, false},
      {"/sdcard/a/: 10 files pulled, 0 skipped. 1.0 MB/s\n", false, Ending::OpenFolder, false},
      {"/sdcard/a/: 0 files pulled, 0 skipped.\n", true, Ending::OpenFolder, false},
      {"0 files pulled", true, Ending::OpenFolder, false},
      {"x0 files", true, Ending::OpenFolder, false},
      {"adb: error: failed to stat remote object '/sdcard/a': No such file or directory\n", false, Ending::NotFound, false},
      {"adb: error: remote object '/sdcard/a' does not exist\n", false, Ending::NotFound, false},
      {"adb: error: cannot create '/full/a': No space left on device\n", false, Ending::Error, true},
      {"", false, Ending::Error, true},
  };
  for (const auto& [output, zeroFiles, ending, obbFailed] : cases) {
    const DataPullJudgement judged = JudgeDataPull(output);
    EXPECT_EQ(judged.zeroFiles, zeroFiles) << output.toStdString();
    EXPECT_EQ(judged.ending, ending) << output.toStdString();
    EXPECT_EQ(ObbPullFailed(output), obbFailed) << output.toStdString();
  }
}

TEST(BackupRules, DevicePathIsTheCleanedTextAfterThePrefixAndTheBaseApkOfASplitApp) {
  for (const auto& [output, path] : Pairs{
           {"package:/data/app/com.x-1/base.apk\r\n", "/data/app/com.x-1/base.apk"},
           {"package:/data/app/~~a==/com.x-b==/split_config.arm64_v8a.apk\npackage:/data/app/~~a==/com.x-b==/base.apk\n",
            "/data/app/~~a==/com.x-b==/base.apk"},
           {"package:/data/app/x/one.apk\npackage:/data/app/x/two.apk\n", ""},
           {" package:/data/app/com.x-1/base.apk\r\n", ""},
           {"\r\npackage:/data/app/com.x-1/base.apk\r\n", ""},
           {"Package:/data/app/com.x-1/base.apk\r\n", ""},
           {"package:-a\n", ""},
       })
    EXPECT_EQ(DevicePathFromPmPath(output), path) << output.toStdString();
}
