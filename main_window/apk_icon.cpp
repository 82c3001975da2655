#include "runner/text_paths.h"
#include "main_window/apk_icon.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

#include "main_window/morvell.h"

QString WithLastThree(const QString& path, const QString& ending) { return path.left(path.size() - 3) + ending; }

ZipRenameGuard::ZipRenameGuard(const QString& apkPath) : apkPath_(apkPath) {
  if (!apkPath.endsWith(QLatin1String("apk"))) return;
  zipPath_ = WithLastThree(apkPath, QStringLiteral("zip"));
  // QFile::rename never replaces an existing file, so a zip of the user's own stays untouched.
  renamed_ = QFile::rename(apkPath_, zipPath_);
}

ZipRenameGuard::~ZipRenameGuard() { renameBack(); }

QString ZipRenameGuard::currentPath() const { return renamed_ ? zipPath_ : apkPath_; }

bool ZipRenameGuard::renameBack() {
  if (renamed_ && QFile::rename(zipPath_, apkPath_)) renamed_ = false;
  return !renamed_;
}

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
  std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive.get(), name.constData(), 0));
  if (!file) return false;

  // A file of that name that is already there is not ours: it is neither replaced nor deleted.
  const QString target = folder + QLatin1Char('/') + fileName;
  if (QFileInfo::exists(target)) return false;
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return false;
  char buffer[64 * 1024];
  zip_int64_t read = 0;
  while ((read = zip_fread(file.get(), buffer, sizeof buffer)) > 0) out.write(buffer, read);
  if (read < 0) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}
