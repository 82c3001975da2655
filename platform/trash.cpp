#include "platform/trash.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "platform/trash_location.h"

namespace {

// The <name>.trashinfo that the move wrote into info/ beside files/. It goes only when it is a
// plain file naming exactly the path that was moved (Qt 6.4 writes the path as it is, later Qt
// percent-encodes it).
void RemoveTrashInfo(const QString& moved, const QString& source) {
  const QString info =
      QDir::cleanPath(moved + QStringLiteral("/../../info/") + QFileInfo(moved).fileName() + QStringLiteral(".trashinfo"));
  const QFileInfo entry(info);
  QFile file(info);
  if (!entry.isFile() || entry.isSymLink() || entry.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly)) return;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.contains("Path=" + source.toUtf8()) || lines.contains("Path=" + QUrl::toPercentEncoding(source, "/")))
    file.remove();
}

}  // namespace

namespace platform {

bool MoveToTrash(const QString& path, QString* strayedTo) {
  const QString source = QFileInfo(path).absoluteFilePath();
  QString moved;
  if (!QFile::moveToTrash(source, &moved)) return false;
  // Qt 6.4 also reports success when it established no trash and moved the item into files/
  // under the working folder.
  if (IsInTrashFolder(moved, QString::number(::getuid()))) return true;
  if (QDir().rename(moved, source))
    RemoveTrashInfo(moved, source);
  else
    *strayedTo = QFileInfo(moved).absoluteFilePath();
  return false;
}

}  // namespace platform
