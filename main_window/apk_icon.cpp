#include "runner/text_paths.h"
#include "main_window/apk_icon.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>


namespace {

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

}  // namespace

bool CopyZipEntry(const QString& zipPath, const QString& entryPath, const QString& folder) {
  QString entry = entryPath;
  entry.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QString fileName = GetFileName(entry);
  if (fileName.isEmpty()) return false;

  int error = 0;
  std::unique_ptr<zip_t, ZipCloser> archive(zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &error));
  if (!archive) return false;
  const QByteArray name = entry.toUtf8();
  zip_stat_t info;
  zip_stat_init(&info);
  if (zip_stat(archive.get(), name.constData(), 0, &info) != 0) return false;
  if (!(info.valid & ZIP_STAT_SIZE) || info.size > static_cast<zip_uint64_t>(kMaxIconEntryBytes)) return false;
  std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive.get(), name.constData(), 0));
  if (!file) return false;

  // A file of that name that is already there is not ours: it is neither replaced nor deleted.
  const QString target = folder + QLatin1Char('/') + fileName;
  if (QFileInfo::exists(target)) return false;
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return false;
  char buffer[64 * 1024];
  zip_int64_t read = 0;
  qint64 written = 0;
  // The size in the archive's directory is the entry's word; the data itself is held to the limit.
  while ((read = zip_fread(file.get(), buffer, sizeof buffer)) > 0 && (written += read) <= kMaxIconEntryBytes)
    out.write(buffer, read);
  if (read < 0 || written > kMaxIconEntryBytes) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}
