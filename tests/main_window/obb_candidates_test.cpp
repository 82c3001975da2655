#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "main_window/morvell.h"
#include "main_window/obb_candidates.h"

namespace {

QStringList Names(const QList<ObbCandidate>& candidates) {
  QStringList names;
  for (const ObbCandidate& candidate : candidates) names.append(candidate.name);
  return names;
}

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write("x");
}

}  // namespace

TEST(ObbCandidates, BesideApkNeedsOneFileEndingInObb) {
  struct Case {
    QStringList files;
    QStringList expected;
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
  for (const Case& c : cases) {
    EXPECT_EQ(Names(CandidatesBesideApk("/apks/", c.files)), c.expected) << c.files.join(',').toStdString();
  }
}

TEST(ObbCandidates, PathsJoinFolderAndName) {
  auto beside = CandidatesBesideApk("/apks/", {"main.obb"});
  ASSERT_EQ(beside.size(), 1);
  EXPECT_EQ(beside[0].path, "/apks/main.obb");
  auto inFolder = CandidatesInPackageFolder("/apks/com.x", {"notes.txt", "main.obb"});
  ASSERT_EQ(inFolder.size(), 2);
  EXPECT_EQ(inFolder[0].name, "notes.txt");
  EXPECT_EQ(inFolder[0].path, "/apks/com.x/notes.txt");
}

TEST(ObbCandidates, PackageFolderWinsOverFilesBesideTheApk) {
  QTemporaryDir dir;
  const QString folder = dir.path() + '/';
  Touch(folder + "game.apk");
  Touch(folder + "beside.obb");
  QDir(folder).mkpath("com.x/sub");
  Touch(folder + "com.x/notes.txt");
  Touch(folder + "com.x/sub/deeper.obb");

  ObbCollection collection = CollectObbCandidates(folder, "com.x");
  EXPECT_TRUE(collection.fromPackageFolder);
  EXPECT_EQ(Names(collection.candidates), QStringList{"notes.txt"});
  EXPECT_EQ(collection.candidates[0].path, folder + "com.x/notes.txt");

  ObbCollection other = CollectObbCandidates(folder, "com.other");
  EXPECT_FALSE(other.fromPackageFolder);
  EXPECT_EQ(Names(other.candidates), QStringList{"beside.obb"});

  // An APK whose badging failed has no package name: its own folder is not a package folder.
  ObbCollection unnamed = CollectObbCandidates(folder, "");
  EXPECT_FALSE(unnamed.fromPackageFolder);
  EXPECT_EQ(Names(unnamed.candidates), QStringList{"beside.obb"});
}

TEST(ObbCandidates, EmptyPackageFolderGivesNoCandidatesButCounts) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("com.x");
  Touch(dir.path() + "/main.obb");
  ObbCollection collection = CollectObbCandidates(dir.path() + '/', "com.x");
  EXPECT_TRUE(collection.fromPackageFolder);
  EXPECT_TRUE(collection.candidates.isEmpty());
}

TEST(ObbCandidates, UnlistableOrMissingFolderGivesNothing) {
  EXPECT_TRUE(FilesInFolder("/no/such/folder/").isEmpty());
  EXPECT_TRUE(FilesInFolder("").isEmpty());
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("locked");
  Touch(dir.path() + "/locked/a.obb");
  QFile::setPermissions(dir.path() + "/locked", QFileDevice::WriteOwner);
  if (QDir(dir.path() + "/locked").entryList(QDir::Files).isEmpty())  // not when run as root
    EXPECT_TRUE(FilesInFolder(dir.path() + "/locked").isEmpty());
  QFile::setPermissions(dir.path() + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(ObbCandidates, NamesWithBlanksChineseAndApostrophesAreListed) {
  QTemporaryDir dir;
  const QStringList names{"main 1.obb", "数据包.obb", "it's.obb"};
  for (const QString& name : names) Touch(dir.path() + '/' + name);
  QStringList expected = names;
  expected.sort();
  EXPECT_EQ(FilesInFolder(dir.path()), expected);
}

TEST(ObbCandidates, FilesAreListedByNameIgnoringCase) {
  QTemporaryDir dir;
  for (int i = 20; i >= 1; --i) Touch(dir.path() + QString("/main.%1.obb").arg(i, 2, 10, QChar('0')));
  Touch(dir.path() + "/B.obb");
  Touch(dir.path() + "/a.obb");
  QDir(dir.path()).mkdir("c.obb");
  const QStringList listed = FilesInFolder(dir.path());
  ASSERT_EQ(listed.size(), 22);
  EXPECT_EQ(listed.mid(0, 3), QStringList({"a.obb", "B.obb", "main.01.obb"}));
  EXPECT_EQ(listed.last(), "main.20.obb");
}

TEST(ObbCandidates, PresenceIsASubstringTestIgnoringCase) {
  const QString listing =
      "/sdcard/Android/obb/com.x:\r\ntotal 8\r\n-rw-rw---- 1 u0_a1 ext_data_rw 12 2026-01-01 00:00 main.1.com.x.obb\r\n";
  EXPECT_TRUE(NameOccursIn(listing, "MAIN.1.COM.X.OBB"));
  EXPECT_TRUE(NameOccursIn(listing, "com.x"));  // the folder's own path counts
  EXPECT_FALSE(NameOccursIn(listing, "patch.1.com.x.obb"));
  EXPECT_FALSE(NameOccursIn("", "main.obb"));
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
  Touch(dir.path() + "/file");
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_FALSE(FolderExists(dir.path() + "/file"));
  EXPECT_FALSE(FolderExists(dir.path() + "/missing"));
  EXPECT_FALSE(FolderExists(""));
}
