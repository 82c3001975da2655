#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool WriteTestFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(content) == content.size();
}

QByteArray ReadTestFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
