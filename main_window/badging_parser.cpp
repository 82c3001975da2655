#include "runner/text_paths.h"
#include "main_window/badging_parser.h"

#include <QRegularExpression>
#include <QStringList>
#include <limits>

namespace {

// The package is the name on aapt's own "package:" line: a label or any other value that holds
// the word "package" must not choose the name that device commands are built from.
QString PackageLineName(const QString& output) {
  static const QRegularExpression name(QStringLiteral("(?:^|\\s)name='([^']*)'"));
  for (const QString& line : output.split(QLatin1Char('\n'))) {
    if (!line.startsWith(QLatin1String("package:"))) continue;
    return TrimBlanks(name.match(line).captured(1));
  }
  return QString();
}

// aapt prints the label of the default configuration as "application-label:'...'" and each
// translation after it as "application-label-<locale>:'...'"; without a default label the
// "application:" line's label= is the one aapt chose. Values end at the next apostrophe.
QString ApplicationLabel(const QString& output) {
  static const QRegularExpression plain(QStringLiteral("^application-label:'([^']*)'"),
                                        QRegularExpression::MultilineOption);
  static const QRegularExpression application(QStringLiteral("^application:[^\\n]*?[ \\t]label='([^']*)'"),
                                              QRegularExpression::MultilineOption);
  QRegularExpressionMatch match = plain.match(output);
  if (!match.hasMatch()) match = application.match(output);
  return TrimBlanks(match.captured(1));
}

}  // namespace

BadgingResult ParseBadging(const QString& output) {
  BadgingResult result;
  const QStringList pieces = output.split(QLatin1Char('\''));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    const QString key = TrimBlanks(pieces[i]);
    const bool hasNext = i + 1 < pieces.size();
    const QString next = hasNext ? TrimBlanks(pieces[i + 1]) : QString();
    if (key.contains(QLatin1String("versionCode")) && hasNext) result.info.Set(kVersionCodeSlot, next);
    if (key.contains(QLatin1String("versionName")) && hasNext) result.info.Set(kVersionNameSlot, next);
    if (key.contains(QLatin1String("icon=")) && !next.isEmpty()) result.info.Set(kIconSlot, next);
    if (key.contains(QLatin1String("android.hardware.vr.headtracking"))) result.info.Set(kHeadTrackingSlot, QStringLiteral("Yes"));
    if (key.contains(QLatin1String("uses-permission"))) {
      if (result.permissionCount < std::numeric_limits<qint16>::max()) ++result.permissionCount;
      if (hasNext) result.info.Set(kPermissionSlotBase + result.permissionCount, next);  // refused past 50
    }
  }
  result.info.Set(kPackageSlot, PackageLineName(output));
  result.info.Set(kLabelSlot, ApplicationLabel(output));
  return result;
}
