#include "installed_apps/save_name.h"

#include "runner/text_paths.h"

QString WithApkExtension(const QString& confirmed) {
  if (confirmed.right(4).toLower() == QLatin1String(".apk")) return confirmed;
  return confirmed + QStringLiteral(".apk");
}

QString ProposedApkName(const QString& package) {
  return WithApkExtension(package) == package ? package + QStringLiteral(".apk") : package;
}

bool IsObbFolderPath(const QString& savePath, const QString& package) {
  return GetFileName(savePath).compare(package, Qt::CaseInsensitive) == 0;
}
