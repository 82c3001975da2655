#pragma once
#include <QDir>
#include <QTemporaryDir>

// Points the temporary folder (TMPDIR, or another variable naming a folder) at a fresh folder, or
// a subfolder of that name, for one scope.
class ScopedTempFolder {
 public:
  explicit ScopedTempFolder(const QString& subfolder = QString(), const char* variable = "TMPDIR")
      : variable_(variable), previous_(qgetenv(variable)),
        path_(subfolder.isEmpty() ? dir_.path() : dir_.filePath(subfolder)) {
    QDir().mkpath(path_);
    qputenv(variable_, path_.toUtf8());
  }
  ~ScopedTempFolder() { previous_.isNull() ? void(qunsetenv(variable_)) : void(qputenv(variable_, previous_)); }
  QString path() const { return path_; }
  QString filePath(const QString& name) const { return path_ + u'/' + name; }

 private:
  const char* variable_;
  QByteArray previous_;
  QTemporaryDir dir_;
  QString path_;
};
