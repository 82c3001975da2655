#pragma once
// A file of `mib` MiB made of one repeated output line, for a child to print with cat.
#include <QFile>
#include <QTemporaryDir>

inline QString MakeOutputFile(const QTemporaryDir& dir, int mib, const QByteArray& line) {
  QString path = dir.filePath(QStringLiteral("out%1.txt").arg(mib));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return path;
  QByteArray block;
  while (block.size() < (1 << 20)) block += line;
  block.truncate(1 << 20);
  for (int i = 0; i < mib; ++i) file.write(block);
  return path;
}

// The command line that prints the file through the runner.
inline QString CatCommand(const QString& path) { return QStringLiteral("cat \"") + path + QStringLiteral("\""); }
