#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <zip.h>

#include <QFileInfo>
#include <cstdlib>

#include "main_window/apk_icon.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"
#include "test_apk_builder.h"

namespace {

// A zip holding one entry of `size` zero bytes (a few kilobytes once compressed).
bool WriteZipWithEntry(const QString& path, const char* entry, qint64 size) {
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  void* data = calloc(size, 1);
  zip_source_t* source = zip_source_buffer(archive, data, size, 1);
  if (!source || zip_file_add(archive, entry, source, ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(source);
    zip_discard(archive);
    return false;
  }
  return zip_close(archive) == 0;
}

}  // namespace

// An icon entry that inflates to gigabytes would hold the window and fill the program's folder.
TEST(ZipEntryCopy, EntriesOverSixteenMebibytesAreRefused) {
  QTemporaryDir dir;
  const QString out = dir.path() + QStringLiteral("/out");
  ASSERT_TRUE(QDir().mkpath(out));
  for (const auto& [size, copied] : {std::pair{kMaxIconEntryBytes, true}, {kMaxIconEntryBytes + 1, false}}) {
    const QString apk = dir.path() + QStringLiteral("/big.apk");
    ASSERT_TRUE(WriteZipWithEntry(apk, "res/big.png", size));
    EXPECT_EQ(CopyZipEntry(apk, QStringLiteral("res\\big.png"), out), copied) << size;
    EXPECT_EQ(QFileInfo(out + QStringLiteral("/big.png")).size(), copied ? size : 0) << size;
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), copied ? 1 : 0) << size;
    QFile::remove(out + QStringLiteral("/big.png"));
  }
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
  ASSERT_TRUE(WriteTestFile(out + QStringLiteral("/app_icon.png"), "mine"));
  EXPECT_FALSE(CopyZipEntry(apk, QStringLiteral("res\\mipmap-mdpi-v4\\app_icon.png"), out));
  EXPECT_EQ(ReadTestFile(out + QStringLiteral("/app_icon.png")), QByteArray("mine"));
}
