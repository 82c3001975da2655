#pragma once
#include <QString>

// Gives an APK the name ending in "zip" for as long as it lives and its own name back when it
// ends, whatever happens in between. A path that does not end in "apk" is left alone: swapping
// its last three characters would not bring its name back.
class ZipRenameGuard {
 public:
  explicit ZipRenameGuard(const QString& apkPath);
  ~ZipRenameGuard();
  ZipRenameGuard(const ZipRenameGuard&) = delete;
  ZipRenameGuard& operator=(const ZipRenameGuard&) = delete;

  bool renamed() const { return renamed_; }
  QString zipPath() const { return zipPath_; }            // empty when the path does not end in "apk"
  QString currentPath() const;                            // where the file is now
  bool renameBack();                                      // true when the file carries its own name

 private:
  QString apkPath_;
  QString zipPath_;
  bool renamed_ = false;
};

// The path with its last three characters replaced (the rename to "zip" and back).
QString WithLastThree(const QString& path, const QString& ending);

// Copies one entry of a zip file into a folder under the entry's file name. The entry path may use
// "\" or "/". False when the archive or the entry cannot be read or the file cannot be written.
bool CopyZipEntry(const QString& zipPath, const QString& entryPath, const QString& folder);
