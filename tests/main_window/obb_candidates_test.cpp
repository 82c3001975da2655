#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "main_window/obb_candidates.h"
#include "runner/text_paths.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"

namespace {

QStringList Names(const QList<ObbCandidate>& candidates) {
  QStringList names;
  for (const ObbCandidate& candidate : candidates) names.append(candidate.name);
  return names;
}

}  // namespace

TEST(ObbCandidates, BesideApkNeedsOneFileEndingInObb) {
  struct Case {
    QStringList files, expected;
  };
  const Case cases[] = {
      {{"game.apk", "data.pak", "extra.zip"}, {}},
      {{"game.apk", "data.pak", "extra.zip", "main.1.obb"}, {"data.pak", "extra.zip", "main.1.obb"}},
      {{"game.apk", "MAIN.OBB", "level.DLE"}, {"MAIN.OBB", "level.DLE"}},
      {{"game.apk", "noddotobb"}, {"noddotobb"}},
      {{"game.apk", "readme.txt", "a.obb.bak", "b.obb"}, {"b.obb"}},
      {{"game.apk", "level.dle"}, {}},
      {{}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Names(CandidatesBesideApk("/apks/", c.files)), c.expected) << c.files.join(',').toStdString();
}

// A folder named as the package beside the APK gives all its own files (even when empty); without a
// package name (the badging failed) the APK's own folder is no package folder.
TEST(ObbCandidates, PackageFolderWinsOverFilesBesideTheApk) {
  QTemporaryDir dir;
  const QString folder = dir.path() + '/';
  for (const char* file : {"game.apk", "beside.obb", "com.x/notes.txt", "com.x/sub/deeper.obb", "com.empty/sub/a.obb"})
    ASSERT_TRUE(WriteTestFile(folder + file));
  const ObbCollection x = CollectObbCandidates(folder, "com.x");
  EXPECT_TRUE(x.fromPackageFolder);
  ASSERT_EQ(x.candidates.size(), 1);
  EXPECT_EQ(x.candidates[0].name, "notes.txt");
  EXPECT_EQ(x.candidates[0].path, folder + "com.x/notes.txt");
  const ObbCollection empty = CollectObbCandidates(folder, "com.empty");
  EXPECT_TRUE(empty.fromPackageFolder);
  EXPECT_TRUE(empty.candidates.isEmpty());
  for (const char* package : {"com.other", ""}) {
    const ObbCollection beside = CollectObbCandidates(folder, package);
    EXPECT_FALSE(beside.fromPackageFolder) << package;
    ASSERT_EQ(beside.candidates.size(), 1);
    EXPECT_EQ(beside.candidates[0].path, folder + "beside.obb");
  }
}

TEST(ObbCandidates, UnlistableOrMissingFolderGivesNothing) {
  EXPECT_TRUE(FilesInFolder("/no/such/folder/").isEmpty());
  EXPECT_TRUE(FilesInFolder("").isEmpty());
  QTemporaryDir dir;
  ASSERT_TRUE(WriteTestFile(dir.path() + "/locked/a.obb"));
  QFile::setPermissions(dir.path() + "/locked", QFileDevice::WriteOwner);
  if (QDir(dir.path() + "/locked").entryList(QDir::Files).isEmpty()) {  // not when run as root
    EXPECT_TRUE(FilesInFolder(dir.path() + "/locked").isEmpty());
  }
  QFile::setPermissions(dir.path() + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Files only, ordered by name ignoring case, whatever their characters.
TEST(ObbCandidates, FilesAreListedByNameIgnoringCase) {
  QTemporaryDir dir;
  for (int i = 20; i >= 1; --i)
    ASSERT_TRUE(WriteTestFile(dir.path() + QString("/main.%1.obb").arg(i, 2, 10, QChar('0'))));
  for (const char* name : {"B.obb", "a.obb", "main 1.obb", "数据包.obb", "it's.obb"})
    ASSERT_TRUE(WriteTestFile(dir.path() + '/' + name));
  QDir(dir.path()).mkdir("c.obb");
  const QStringList listed = FilesInFolder(dir.path());
  ASSERT_EQ(listed.size(), 25);
  EXPECT_EQ(listed.mid(0, 5), QStringList({"a.obb", "B.obb", "it's.obb", "main 1.obb", "main.01.obb"}));
  EXPECT_EQ(listed.mid(23), QStringList({"main.20.obb", "数据包.obb"}));
}

TEST(FolderPath, KeepsTheFolderWithItsClosingSlash) {
  EXPECT_EQ(GetFolderPath("/home/u/apks/game.apk"), "/home/u/apks/");
  EXPECT_EQ(GetFolderPath("/game.apk"), "/");
  EXPECT_EQ(GetFolderPath("game.apk"), "");
  EXPECT_EQ(GetFolderPath("/a b/数据/"), "/a b/数据/");
  EXPECT_EQ(GetFolderPath(""), "");
}

TEST(FolderPath, FolderExistsOnlyForFolders) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteTestFile(dir.path() + "/file"));
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_FALSE(FolderExists(dir.path() + "/file"));
  EXPECT_FALSE(FolderExists(dir.path() + "/missing"));
  EXPECT_FALSE(FolderExists(""));
}

// Only a file line that names exactly the file counts; capitals do not matter.
TEST(ObbPresence, OnlyAFileLineNamingExactlyThatFileCounts) {
  const QString listing =
      "/sdcard/Android/obb/com.x:\r\ntotal 16\r\n"
      "drwxrwx--x 2 u0_a123 ext_data_rw 4096 2026-01-01 00:00 .\r\n"
      "drwxrwx--x  2 u0_a123  ext_data_rw  4096 2026-01-01 00:00 sub.obb\r\n"
      "-rw-rw---- 1 u0_a123 ext_data_rw 3 2026-01-01 00:00 data.obb\r\n"
      "-rw-rw----  1 u0_a123  ext_data_rw    12 2026-01-01 00:00 main 1.obb\r\n"
      "-rw-rw---- 1 u0_a123 ext_data_rw 3 2026-01-01 00:00 PATCH.OBB\n"
      "ls: /sdcard/Android/obb/com.x/gone.obb: No such file or directory\n";
  for (const auto& [name, present] :
       {std::pair{"data.obb", true}, {"a.obb", false}, {"ta.obb", false}, {"main 1.obb", true}, {"1.obb", false},
        {"patch.obb", true}, {"sub.obb", false}, {"com.x", false}, {"gone.obb", false}, {"directory", false},
        {"", false}})
    EXPECT_EQ(ListingNamesFile(listing, QString::fromUtf8(name)), present) << name;
}
