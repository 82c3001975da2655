#include "installed_apps/runtime_permissions.h"

#include <QStringList>

#include "runner/module1.h"
#include "runner/text_paths.h"

namespace {

// Lines end in CR LF or, from newer adb, in LF alone; both split the same.
QStringList TrimmedLines(const QString& output) {
  QStringList lines = output.split(u'\n');
  for (QString& line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    line = TrimBlanks(line);
  }
  return lines;
}

// "name: granted=true": the value's first letter stands ten places after the colon. Without a
// colon the tenth character of the line is read.
RuntimePermission FromLine(const QString& line) {
  const qsizetype colon = line.indexOf(u':');
  RuntimePermission permission;
  if (colon >= 0) permission.name = line.left(colon);
  const qsizetype flag = colon + 10;
  permission.granted = flag < line.size() && line[flag] == u't';
  return permission;
}

}  // namespace

std::vector<RuntimePermission> ParseRuntimePermissions(const QString& dumpsysOutput) {
  const QStringList lines = TrimmedLines(dumpsysOutput);
  std::vector<RuntimePermission> found;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].contains(QLatin1String("runtime permissions"))) continue;
    for (qsizetype j = i + 1; j < lines.size(); ++j)
      if (lines[j].contains(QLatin1String("android.permission"))) found.push_back(FromLine(lines[j]));
  }
  return found;
}

void HandOverPermissions(const std::vector<RuntimePermission>& permissions) {
  Module1::PermCount = 0;
  for (const RuntimePermission& permission : permissions) {
    const int k = ++Module1::PermCount;
    if (permission.name) Module1::PermNames.Set(k, *permission.name);
    Module1::PermGranted.Set(k, permission.granted ? QStringLiteral("1") : QStringLiteral("0"));
  }
}
