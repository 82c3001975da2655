#include "installed_apps/runtime_permissions.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

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

// "name: granted=true, flags=[ USER_SET ]"
std::optional<RuntimePermission> FromLine(const QString& line) {
  static const QRegularExpression state(QStringLiteral("^([^:]*):\\s*granted=(\\w*)"));
  const QRegularExpressionMatch match = state.match(line);
  if (!match.hasMatch()) return std::nullopt;
  return RuntimePermission{match.captured(1), match.captured(2) == QLatin1String("true")};
}

}  // namespace

std::vector<RuntimePermission> ParseRuntimePermissions(const QString& dumpsysOutput) {
  const QStringList lines = TrimmedLines(dumpsysOutput);
  std::vector<RuntimePermission> found;
  qsizetype i = 0;
  while (i < lines.size() && !lines[i].contains(QLatin1String("runtime permissions"))) ++i;
  // dumpsys prints a list per user ("User 0:", "User 10:", ...); pm grant and revoke without a
  // user change the first user's. The list ends at its first line without a state.
  for (++i; i < lines.size(); ++i) {
    const std::optional<RuntimePermission> permission = FromLine(lines[i]);
    if (!permission) break;
    if (lines[i].contains(QLatin1String("android.permission"))) found.push_back(*permission);
  }
  return found;
}

void HandOverPermissions(const std::vector<RuntimePermission>& permissions) {
  Module1::PermCount = 0;
  for (const RuntimePermission& permission : permissions) {
    const int k = ++Module1::PermCount;
    Module1::PermNames.Set(k, permission.name);
    Module1::PermGranted.Set(k, permission.granted ? QStringLiteral("1") : QStringLiteral("0"));
  }
}
