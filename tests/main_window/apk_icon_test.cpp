#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <stdexcept>

#include "main_window/apk_icon.h"
#include "test_apk_builder.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

}  // namespace

TEST(ZipRename, RenamesForItsLifetimeAndBackOnEveryPath) {
  QTemporaryDir dir;
  const QString apk = dir.path() + QStringLiteral("/my game.apk");
  const QString zip = dir.path() + QStringLiteral("/my game.zip");
  ASSERT_TRUE(WriteFile(apk, "data"));
  {
    ZipRenameGuard rename(apk);
    EXPECT_TRUE(rename.renamed());
    EXPECT_EQ(rename.zipPath(), zip);
    EXPECT_EQ(rename.currentPath(), zip);
    EXPECT_TRUE(QFile::exists(zip));
    EXPECT_FALSE(QFile::exists(apk));
  }
  EXPECT_TRUE(QFile::exists(apk));
  EXPECT_FALSE(QFile::exists(zip));

  try {
    ZipRenameGuard rename(apk);
    ASSERT_TRUE(rename.renamed());
    throw std::runtime_error("copy failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(QFile::exists(apk));
  EXPECT_FALSE(QFile::exists(zip));
}

TEST(ZipRename, LeavesNamesNotEndingInApkAlone) {
  QTemporaryDir dir;
  for (const QString name : {QStringLiteral("game.APK"), QStringLiteral("game.bin"), QStringLiteral("ap")}) {
    const QString path = dir.path() + '/' + name;
    ASSERT_TRUE(WriteFile(path, "x"));
    ZipRenameGuard rename(path);
    EXPECT_FALSE(rename.renamed()) << name.toStdString();
    EXPECT_TRUE(rename.zipPath().isEmpty());
    EXPECT_EQ(rename.currentPath(), path);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
    QFile::remove(path);
  }
}

TEST(ZipRename, NeverReplacesAZipOfTheUsersOwn) {
  QTemporaryDir dir;
  const QString apk = dir.path() + QStringLiteral("/game.apk");
  const QString zip = dir.path() + QStringLiteral("/game.zip");
  ASSERT_TRUE(WriteFile(apk, "apk"));
  ASSERT_TRUE(WriteFile(zip, "zip"));
  {
    ZipRenameGuard rename(apk);
    EXPECT_FALSE(rename.renamed());
    EXPECT_EQ(rename.currentPath(), apk);
  }
  QFile apkFile(apk), zipFile(zip);
  ASSERT_TRUE(apkFile.open(QIODevice::ReadOnly) && zipFile.open(QIODevice::ReadOnly));
  EXPECT_EQ(apkFile.readAll(), "apk");
  EXPECT_EQ(zipFile.readAll(), "zip");
}

TEST(ZipRename, MissingFileIsNotRenamed) {
  QTemporaryDir dir;
  ZipRenameGuard rename(dir.path() + QStringLiteral("/gone.apk"));
  EXPECT_FALSE(rename.renamed());
  EXPECT_TRUE(rename.renameBack());
}

TEST(ZipEntryCopy, CopiesOneEntryUnderItsFileName) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
  QTemporaryDir dir;
  const QString apk = dir.path() + QStringLiteral("/app.apk");
  ASSERT_TRUE(BuildTestApk(dir.path() + QStringLiteral("/src"), apk, TestApkSpec{}));
  const QString out = dir.path() + QStringLiteral("/out");
  ASSERT_TRUE(QDir().mkpath(out));

  EXPECT_TRUE(CopyZipEntry(apk, QStringLiteral("res\\mipmap-mdpi-v4\\app_icon.png"), out));
  const QImage icon(out + QStringLiteral("/app_icon.png"));
  EXPECT_EQ(icon.size(), QSize(48, 48));

  EXPECT_FALSE(CopyZipEntry(apk, QStringLiteral("res\\mipmap-mdpi\\app_icon.png"), out + "/none"));
  EXPECT_FALSE(CopyZipEntry(apk, QStringLiteral("res\\missing.png"), out));
  EXPECT_FALSE(QFile::exists(out + QStringLiteral("/missing.png")));
  EXPECT_FALSE(CopyZipEntry(apk, QStringLiteral("res\\"), out));
}

TEST(ZipEntryCopy, NotAZipOrMissingFileCopiesNothing) {
  QTemporaryDir dir;
  const QString text = dir.path() + QStringLiteral("/notes.apk");
  ASSERT_TRUE(WriteFile(text, "just text"));
  const QString empty = dir.path() + QStringLiteral("/empty.apk");
  ASSERT_TRUE(WriteFile(empty, ""));
  for (const QString& path : {text, empty, dir.path() + QStringLiteral("/missing.apk")})
    EXPECT_FALSE(CopyZipEntry(path, QStringLiteral("res\\a.png"), dir.path())) << path.toStdString();
  EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/a.png")));
}
