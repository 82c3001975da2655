#include "installed_apps/marker_parse.h"

#include <cmath>
#include <limits>

#include "runner/text_paths.h"

namespace {

const QString kAppMarker = QStringLiteral("IP3x");
const QString kVersionCode = QStringLiteral("VC3x: versionCode:");

// The line from 1-based character k on, blanks trimmed (a line end's carriage return stays).
QString From(const QString& line, int k) { return TrimBlanks(line.mid(k - 1)); }

struct FieldMarker {
  QString marker;
  int column;
  int from;
};

const std::array<FieldMarker, 6>& FieldMarkers() {
  static const std::array<FieldMarker, 6> markers{{
      {QStringLiteral("application-label:"), 0, 19},
      {QStringLiteral("TO3x"), 4, 7},
      {QStringLiteral("AP3x"), 5, 7},
      {QStringLiteral("OB3x"), 6, 7},
      {QStringLiteral("AD3x"), 7, 7},
      {QStringLiteral("VC3x: versionName:"), 2, 20},
  }};
  return markers;
}

// The build: from character 20 up to the first "minSdk" found from there; none without it.
std::optional<QString> BuildFrom(const QString& line) {
  const qsizetype minSdk = line.indexOf(QStringLiteral("minSdk"), 19);
  if (minSdk < 0) return std::nullopt;
  return TrimBlanks(line.mid(19, minSdk - 19));
}

// The count as the classic integer conversion reads it: blanks around a decimal number, rounded
// half to even, within 16 bits.
std::optional<int> ToInt16(const QString& text) {
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
    return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

QList<AppListRow> ParseMarkerLines(const QString& listing) {
  QList<AppListRow> rows;
  for (const QStringView line : QStringView(listing).split(u'\n')) {
    const QString text = line.toString();
    if (text.startsWith(kAppMarker)) {
      rows.append(AppListRow{});
      rows.last()[1] = From(text, 7);
    }
    if (rows.isEmpty()) continue;
    AppListRow& row = rows.last();
    for (const FieldMarker& field : FieldMarkers())
      if (text.startsWith(field.marker)) row[field.column] = From(text, field.from);
    if (text.startsWith(kVersionCode))
      if (auto build = BuildFrom(text)) row[3] = *build;
  }
  return rows;
}

QString CleanAppCount(const QString& output) {
  QString count = output;
  count.remove(u'\r').remove(u'\n').remove(u'*');
  return count;
}

int MarkerCounter::Add(const QString& chunk) {
  const QString text = tail_ + chunk;
  // A marker found in the kept tail was counted with the chunk before; the tail is shorter than
  // a marker, so every match here ends in the new chunk.
  count_ += static_cast<int>(text.count(kAppMarker));
  tail_ = text.right(kAppMarker.size() - 1);
  return count_;
}

QString ProgressCaption(int appsBegun, const QString& appCount) {
  return QStringLiteral("Processing Apps: ") + QString::number(appsBegun) + QStringLiteral(" of ") + appCount;
}

std::optional<int> ProgressBarTwips(int appsBegun, const QString& appCount) {
  const std::optional<int> total = ToInt16(appCount);
  if (!total || *total == 0) return std::nullopt;
  const double percent = std::floor(static_cast<double>(appsBegun) / *total * 100.0);
  if (percent < std::numeric_limits<qint16>::min() || percent > std::numeric_limits<qint16>::max())
    return std::nullopt;
  const int p = static_cast<int>(percent);
  if (p <= 1) return std::nullopt;
  return static_cast<int>(std::floor(7000.0 / 100.0 * p));
}
