#include "installed_apps/backup_paths.h"

#include <QStringList>

#include "runner/text_paths.h"

namespace {
const QLatin1String kPackagePrefix("package:");
}

QString ObbFolderOnDevice(const QString& package) { return QStringLiteral("/sdcard/Android/obb/") + package; }
QString DataFolderOnDevice(const QString& package) { return QStringLiteral("/sdcard/Android/data/") + package; }

QString DevicePathFromPmPath(const QString& output) {
  if (!output.startsWith(kPackagePrefix)) return QString();
  QString path = CTrim(output.mid(kPackagePrefix.size()));
  if (output.count(kPackagePrefix) > 1) {
    path.clear();
    for (const QString& line : output.split(u'\n')) {
      const QString cleaned = CTrim(line);
      if (cleaned.startsWith(kPackagePrefix) && cleaned.endsWith(QLatin1String("/base.apk"))) {
        path = cleaned.mid(kPackagePrefix.size());
        break;
      }
    }
  }
  // A path that does not start at the root could be taken by adb for an option.
  return path.startsWith(u'/') ? path : QString();
}

QString RestoreSource(const QString& chosenFolder, const QString& package) {
  const QString inside = JoinPath(chosenFolder, package);
  if (FolderExists(inside)) return inside;
  if (GetFileName(chosenFolder) == package && FolderExists(chosenFolder)) return chosenFolder;
  return QString();
}
