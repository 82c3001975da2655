#pragma once
#include <QDir>
#include <QTemporaryDir>

// Points the temporary folder (TMPDIR) at a fresh folder, or a subfolder of that name, for one scope.
class ScopedTempFolder {
 public:
  explicit ScopedTempFolder(const QString& subfolder = QString())
      : previous_(qgetenv("TMPDIR")), path_(subfolder.isEmpty() ? dir_.path() : dir_.filePath(subfolder)) {
    QDir().mkpath(path_);
    qputenv("TMPDIR", path_.toUtf8());
  }
  ~ScopedTempFolder() { previous_.isNull() ? void(qunsetenv("TMPDIR")) : void(qputenv("TMPDIR", previous_)); }
  QString path() const { return path_; }
  QString filePath(const QString& name) const { return path_ + u'/' + name; }

 private:
  QByteArray previous_;
  QTemporaryDir dir_;
  QString path_;
};
