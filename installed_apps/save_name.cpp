#include "installed_apps/save_name.h"

QString WithApkExtension(const QString& confirmed) {
  if (confirmed.right(4).toLower() == QLatin1String(".apk")) return confirmed;
  return confirmed + QStringLiteral(".apk");
}
