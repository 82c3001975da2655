#include "runner/text_paths.h"
#include "main_window/version_compare.h"

#include <optional>

#include "main_window/badging_parser.h"

namespace {

std::optional<qulonglong> WholeNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  for (const QChar c : trimmed)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
  bool ok = false;
  const qulonglong value = trimmed.toULongLong(&ok);
  return ok ? std::optional(value) : std::nullopt;
}

}  // namespace

QString InstalledVersionText(const QString& dumpsysOutput) {
  const QString key = QStringLiteral("versionCode=");
  const qsizetype p = dumpsysOutput.indexOf(key);
  const qsizetype q = dumpsysOutput.indexOf(QLatin1String("minSdk="));
  // Without "versionCode=" the cut starts at the twelfth character, as if the key stood before it.
  const qsizetype from = p < 0 ? key.size() - 1 : p + key.size();
  const qsizetype length = q - from;
  if (q < 0 || length <= 0) return QString();
  return TrimBlanks(dumpsysOutput.mid(from, length));
}

VersionOutcome CompareVersions(const QString& installed, const QString& apk) {
  if (installed.isEmpty()) return VersionOutcome::NotInstalled;
  const auto v = WholeNumber(installed);
  const auto a = WholeNumber(apk);
  if (!v || !a) return VersionOutcome::Unknown;
  if (*v < *a) return VersionOutcome::Older;
  if (*v > *a) return VersionOutcome::Newer;
  return VersionOutcome::Same;
}

QString StatusCaption(VersionOutcome outcome, const QString& installed) {
  switch (outcome) {
    case VersionOutcome::Older: return QStringLiteral(" ") + installed + QStringLiteral(" (Older)");
    case VersionOutcome::Newer: return QStringLiteral(" ") + installed + QStringLiteral(" (Newer)");
    case VersionOutcome::Same: return QStringLiteral(" ") + installed + QStringLiteral(" (Same)");
    case VersionOutcome::Unknown: return QStringLiteral(" ") + installed;
    case VersionOutcome::NotInstalled: break;
  }
  return kNotInstalledCaption;
}

QString StartupLogText(VersionOutcome outcome) {
  switch (outcome) {
    case VersionOutcome::Older: return QStringLiteral("Older Buildnumber found");
    case VersionOutcome::Newer: return QStringLiteral("Newer Buildnumber found");
    case VersionOutcome::Same: return QStringLiteral("Same Buildnumber found");
    case VersionOutcome::NotInstalled: return kNotInstalledCaption;
    case VersionOutcome::Unknown: break;
  }
  return QString();
}
