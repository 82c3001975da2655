#include <gtest/gtest.h>

#include <QFile>

#include "installed_apps/marker_parse.h"
#include "installed_apps/qstring_print.h"

namespace {

QString Fixture(const char* name) {
  QFile file(QStringLiteral(FIXTURES_DIR "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return QString::fromUtf8(file.readAll());
}

TEST(MarkerParse, RecordedBatchListingWithCrLf) {
  const QList<AppListRow> rows = ParseMarkerLines(Fixture("app_list_batch_crlf.txt"));
  ASSERT_EQ(rows.size(), 3);
  // A value that runs to the line's end keeps its carriage return (the package its echoed blank too);
  // the build stops before minSdk.
  const AppListRow beta{"", "com.beta.game \r", "2.1.0\r", "210", "1.5\r", "1.5\r", "0.0\r", "0.0\r"};
  EXPECT_EQ(rows[0], beta);
  EXPECT_EQ(rows[1][0], "Alpha Tool\r");
  EXPECT_EQ(rows[1][3], "10") << "a later versionCode line overwrites";
  EXPECT_EQ(rows[1][6], "40.3\r");
  EXPECT_EQ(rows[2][0], QStringLiteral("星际迷航\r"));
  EXPECT_EQ(rows[2][2], "3.0 beta\r");
  EXPECT_EQ(rows[2][3], "") << "a versionCode line without minSdk leaves the build empty";
}

TEST(MarkerParse, ScriptListingWithLf) {
  const QList<AppListRow> rows = ParseMarkerLines(Fixture("app_list_script_lf.txt"));
  ASSERT_EQ(rows.size(), 2);
  const AppListRow one{"One", "com.example.one", "1.0", "123", "0.0", "0.0", "0.0", "0.0"};
  EXPECT_EQ(rows[0], one);
  EXPECT_EQ(rows[1][0], "") << "no label line, no label";
  EXPECT_EQ(rows[1][3], "7");
  EXPECT_EQ(rows[1][7], "0.0") << "unknown and lower-case lines change nothing";
}

TEST(MarkerParse, NoAppsAndTextBeforeTheFirstApp) {
  EXPECT_TRUE(ParseMarkerLines(QString()).isEmpty());
  EXPECT_TRUE(ParseMarkerLines("error: no devices/emulators found\napplication-label:Header?\nTO3x: 1\n").isEmpty());
}

TEST(MarkerParse, AppCountCleaning) {
  EXPECT_EQ(CleanAppCount("* daemon started successfully *\r\n42\r\n"), " daemon started successfully 42");
  EXPECT_EQ(CleanAppCount(" 7 \n"), " 7 ");
  EXPECT_EQ(CleanAppCount("error: no devices/emulators found\r\n"), "error: no devices/emulators found");
}

TEST(MarkerParse, CountsMarkersSplitAcrossChunks) {
  MarkerCounter counter;
  EXPECT_EQ(counter.Add("xx IP"), 0);
  EXPECT_EQ(counter.Add("3x: a \nIP3x"), 2);
  EXPECT_EQ(counter.Add(""), 2);
  EXPECT_EQ(counter.Add(": b \nI"), 2);
  EXPECT_EQ(counter.Add("P"), 2);
  EXPECT_EQ(counter.Add("3"), 2);
  EXPECT_EQ(counter.Add("x"), 3);
}

TEST(MarkerParse, ProgressBar) {
  struct Case {
    int begun;
    QString count;
    std::optional<int> twips;
  };
  const Case cases[] = {
      {50, "100", 3500}, {1, "100", std::nullopt}, {2, "100", 140}, {100, "100", 7000},
      {120, "100", 8400},                                 // apps kept with their data: past the edge
      {3, "0", std::nullopt},   {3, "error: no devices/emulators found", std::nullopt},
      {3, "", std::nullopt},    {1, "3", 2310},           // 33 percent
      {5, " 10 ", 3500},        {400, "1", std::nullopt},  // 40000 percent is past 16 bits
      {1, "70000", std::nullopt},                          // the count itself is past 16 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgressBarTwips(c.begun, c.count), c.twips) << c.begun << " of " << c.count.toStdString();
  }
  EXPECT_EQ(ProgressCaption(4, "no device"), "Processing Apps: 4 of no device");
}

}  // namespace
