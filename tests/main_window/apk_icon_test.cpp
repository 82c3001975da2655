#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <stdexcept>

#include "main_window/apk_icon.h"
#include "test_apk_builder.h"

// Start-up tests cover the names that are never renamed (not "apk", a zip of the user's, missing).
TEST(ZipRename, RenamesForItsLifetimeAndBackEvenOnAnException) {
  QTemporaryDir dir;
  const QString apk = dir.path() + QStringLiteral("/my game.apk");
  ASSERT_TRUE(QFile(apk).open(QIODevice::WriteOnly));
  {
    ZipRenameGuard rename(apk);
    EXPECT_TRUE(rename.renamed());
    EXPECT_EQ(rename.zipPath(), dir.path() + QStringLiteral("/my game.zip"));
    EXPECT_EQ(rename.currentPath(), rename.zipPath());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"my game.zip"});
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"my game.apk"});

  try {
    ZipRenameGuard rename(apk);
    ASSERT_TRUE(rename.renamed());
    throw std::runtime_error("copy failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"my game.apk"});
}

// Start-up tests cover archives that are not zips, empty or missing.
TEST(ZipEntryCopy, CopiesOneEntryUnderItsFileNameOrNothing) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
  QTemporaryDir dir;
  const QString apk = dir.path() + QStringLiteral("/app.apk");
  ASSERT_TRUE(BuildTestApk(dir.path() + QStringLiteral("/src"), apk, TestApkRecipe{}));
  const QString out = dir.path() + QStringLiteral("/out");
  ASSERT_TRUE(QDir().mkpath(out));

  for (const char* entry : {"res\\mipmap-mdpi\\app_icon.png", "res\\missing.png", "res\\"})
    EXPECT_FALSE(CopyZipEntry(apk, QString::fromUtf8(entry), out)) << entry;
  EXPECT_TRUE(QDir(out).isEmpty());
  EXPECT_TRUE(CopyZipEntry(apk, QStringLiteral("res\\mipmap-mdpi-v4\\app_icon.png"), out));
  EXPECT_EQ(QImage(out + QStringLiteral("/app_icon.png")).size(), QSize(48, 48));

  // A file of that name that is already there is someone else's: it is not replaced.
  QFile mine(out + QStringLiteral("/app_icon.png"));
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly | QIODevice::Truncate));
  mine.write("mine");
  mine.close();
  EXPECT_FALSE(CopyZipEntry(apk, QStringLiteral("res\\mipmap-mdpi-v4\\app_icon.png"), out));
  ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
  EXPECT_EQ(mine.readAll(), QByteArray("mine"));
}
