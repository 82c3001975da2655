#include "installed_apps/backup_paths.h"
#include "installed_apps/pull_outcome.h"
#include "installed_apps/save_name.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

using Pairs = std::initializer_list<std::pair<QString, QString>>;

TEST(BackupRules, ApkAddedUnlessTheNameEndsInIt) {
  for (const auto& [confirmed, saved] : Pairs{{"/b/com.x", "/b/com.x.apk"}, {"/b/game.aPk", "/b/game.aPk"},
                                              {"/b/game.zip", "/b/game.zip.apk"}, {"/b/gameapk", "/b/gameapk.apk"}})
    EXPECT_EQ(WithApkExtension(confirmed), saved) << confirmed.toStdString();
}

// The restore pushes a folder named as the package: the one inside the chosen folder, else the
// chosen folder itself when that is the backup.
TEST(BackupRules, RestoreSourceIsTheBackupInsideTheChosenFolderOrTheChosenBackupItself) {
  QTemporaryDir dir;
  const QString u = dir.path();
  for (const char* made : {"/backup/com.x/files", "/com.x-saves/com.x", "/com.x/files", "/nest/com.x/com.x/files",
                           "/COM.X/com.x.old", "/other/files"})
    ASSERT_TRUE(QDir().mkpath(u + made));
  ASSERT_TRUE(WriteTestFile(u + "/plain/com.x", "a file"));
  for (const auto& [chosen, source] : Pairs{{"/backup", "/backup/com.x"},
                                            {"/backup/com.x", "/backup/com.x"},
                                            {"/com.x-saves", "/com.x-saves/com.x"},
                                            {"/com.x", "/com.x"},
                                            {"/nest/com.x", "/nest/com.x/com.x"},
                                            {"/COM.X", ""},
                                            {"/other", ""},
                                            {"/plain", ""},
                                            {"/missing/com.x", ""}})
    EXPECT_EQ(RestoreSource(u + chosen, "com.x"), source.isEmpty() ? QString() : u + source) << chosen.toStdString();
}

TEST(BackupRules, PullOutputsDecideHowBackupsEnd) {
  using Ending = DataPullJudgement::Ending;
  const QString remote = "/sdcard/a";
  const std::tuple<QString, bool, Ending, bool> cases[] = {  // output, "0 files" box, data ending, OBB failed
      {"/sdcard/a/: 1 file pulled, 0 skipped.\n", false, Ending::OpenFolder, false},
      {"/sdcard/a/: 10 files pulled, 0 skipped. 1.0 MB/s\n", false, Ending::OpenFolder, false},
      {"/sdcard/a/: 0 files pulled, 0 skipped.\n", true, Ending::OpenFolder, false},
      {"0 files pulled", true, Ending::OpenFolder, false},
      {"x0 files", true, Ending::OpenFolder, false},
      {"adb: error: failed to stat remote object '/sdcard/a': No such file or directory\n", false, Ending::NotFound, false},
      {"adb: error: remote object '/sdcard/a' does not exist\n", false, Ending::NotFound, false},
      {"adb: error: failed to stat remote object '/sdcard/a': No such file or directory\r\n", false, Ending::NotFound,
       false},
      {"remote object '/sdcard/a' does not exist\n", false, Ending::NotFound, false},
      // Only those two reasons mean a missing folder: a refused read or another path is adb's error.
      {"adb: error: failed to stat remote object '/sdcard/a': Permission denied\n", false, Ending::Error, true},
      {"adb: error: failed to stat remote object '/sdcard/a': Not a directory\n", false, Ending::Error, true},
      {"adb: error: failed to stat remote object '/sdcard/a': No such file or directory, retrying\n", false,
       Ending::Error, true},
      {"adb: error: remote object '/sdcard/ab' does not exist\n", false, Ending::Error, true},
      {"adb: error: failed to stat remote object '/sdcard/a/b': No such file or directory\n", false, Ending::Error, true},
      {"adb: error: failed to copy '/sdcard/a/m.obb' to '/pc/a/m.obb': remote open failed: No such file or directory\n",
       false, Ending::Error, true},
      {"adb: error: cannot create '/pc/gone/a': No such file or directory\n", false, Ending::Error, true},
      {"adb: error: cannot create '/full/a': No space left on device\n", false, Ending::Error, true},
      {"/sdcard/a/: 0 files pulled, 0 skipped.\nadb: error: cannot create '/pc/a': Permission denied\n", false,
       Ending::Error, true},
      {"error: no devices/emulators found\n", false, Ending::Error, true},
      {"", false, Ending::Error, true},
  };
  for (const auto& [output, zeroFiles, ending, obbFailed] : cases) {
    const DataPullJudgement judged = JudgeDataPull(output, remote);
    EXPECT_EQ(judged.zeroFiles, zeroFiles) << output.toStdString();
    EXPECT_EQ(judged.ending, ending) << output.toStdString();
    EXPECT_EQ(ObbPullFailed(output, remote), obbFailed) << output.toStdString();
  }
}

TEST(BackupRules, APushSucceedsOnlyWhenItReportsFilesPushedAndNoError) {
  const std::pair<QString, bool> cases[] = {
      {"/pc/com.x/: 2 files pushed, 0 skipped. 12.3 MB/s (5 bytes in 0.001s)\n", true},
      {"/pc/com.x/: 1 file pushed, 0 skipped.\n", true},
      {"/pc/com.x/: 0 files pushed, 0 skipped.\n", false},
      {"adb: error: failed to get feature set: no devices/emulators found\n", false},
      {"adb: no devices/emulators found\n", false},
      {"adb: error: failed to copy '/pc/com.x/a' to '/sdcard/Android/data/com.x/a': remote couldn't create file\n", false},
      {"", false},
  };
  for (const auto& [output, pushed] : cases) EXPECT_EQ(ReportsFilesPushed(output), pushed) << output.toStdString();
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
