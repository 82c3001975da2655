#include "platform/trash_location.h"

#include <QDir>
#include <QStringList>

namespace platform {

bool IsInTrashFolder(const QString& path, const QString& uid) {
  if (!QDir::isAbsolutePath(path)) return false;
  const QStringList parts = QDir::cleanPath(path).split(u'/');
  const qsizetype n = parts.size();
  if (n < 4 || parts[n - 1].isEmpty() || parts[n - 2] != QLatin1String("files")) return false;
  const QString& trash = parts[n - 3];
  return trash == QLatin1String("Trash") || trash == QStringLiteral(".Trash-") + uid ||
         (trash == uid && parts[n - 4] == QLatin1String(".Trash"));
}

}  // namespace platform
