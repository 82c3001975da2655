#pragma once
// Reading the app-list script's output: the marker lines of each app, the app count and the
// progress shown while the list loads. No window here.

#include <QList>
#include <QString>
#include <array>
#include <optional>

// Columns 0 to 7 of one grid row: label, package, version name, build, total, APK, OBB, data.
using AppListRow = std::array<QString, 8>;

// One row per "IP3x" line, in the order listed. Lines before the first "IP3x" line belong to no
// app and are ignored, so the header row is never written.
QList<AppListRow> ParseMarkerLines(const QString& listing);

// The count command's output without carriage returns, line feeds and '*' (adb's daemon lines).
QString CleanAppCount(const QString& output);

// Counts "IP3x" over a text that arrives in chunks, as if counted over the whole text each time.
class MarkerCounter {
 public:
  int Add(const QString& chunk);

 private:
  int count_ = 0;
  QString tail_;  // the last characters, which a marker may continue from
};

// "Processing Apps: n of <count>".
QString ProgressCaption(int appsBegun, const QString& appCount);
// The bar's right end in twips, or nothing when no bar is drawn (the count is no number, zero,
// or the percentage is 1 or less or outside a 16-bit integer).
std::optional<int> ProgressBarTwips(int appsBegun, const QString& appCount);
