#include "installed_apps/marker_parse.h"
#include "support/fixtures.h"
#include "support/gtest_qt.h"

namespace {

TEST(MarkerParse, RecordedListings) {
  const QList<AppListRow> batch = ParseMarkerLines(Fixture("app_list_batch_crlf.txt"));
  ASSERT_EQ(batch.size(), 3);
  // A value that runs to the line's end keeps its carriage return (the package its echoed blank too);
  // the build stops before minSdk.
  EXPECT_EQ(batch[0], (AppListRow{"", "com.beta.game \r", "2.1.0\r", "210", "1.5\r", "1.5\r", "0.0\r", "0.0\r"}));
  EXPECT_EQ(batch[1][0], "Alpha Tool\r");
  EXPECT_EQ(batch[1][3], "10") << "a later versionCode line overwrites";
  EXPECT_EQ(batch[1][6], "40.3\r");
  EXPECT_EQ(batch[2][0], QStringLiteral("星际迷航\r"));
  EXPECT_EQ(batch[2][2], "3.0 beta\r");
  EXPECT_EQ(batch[2][3], "") << "a versionCode line without minSdk leaves the build empty";

  const QList<AppListRow> script = ParseMarkerLines(Fixture("app_list_script_lf.txt"));
  ASSERT_EQ(script.size(), 2);
  EXPECT_EQ(script[0], (AppListRow{"One", "com.example.one", "1.0", "123", "0.0", "0.0", "0.0", "0.0"}));
  EXPECT_EQ(script[1][0], "") << "no label line, no label";
  EXPECT_EQ(script[1][3], "7");
  EXPECT_EQ(script[1][7], "0.0") << "unknown and lower-case lines change nothing";
  EXPECT_TRUE(ParseMarkerLines("error: no devices/emulators found\napplication-label:Header?\nTO3x: 1\n").isEmpty());
}

TEST(MarkerParse, AppCountAndMarkersSplitAcrossChunks) {
  EXPECT_EQ(CleanAppCount("* daemon started successfully *\r\n42\r\n"), " daemon started successfully 42");
  EXPECT_EQ(CleanAppCount(" 7 \n"), " 7 ");
  MarkerCounter counter;
  const std::pair<const char*, int> chunks[] = {{"xx IP", 0}, {"3x: a \nIP3x", 2}, {"", 2}, {": b \nI", 2},
                                                {"P", 2},     {"3", 2},            {"x", 3}};
  for (const auto& [chunk, total] : chunks) EXPECT_EQ(counter.Add(chunk), total) << chunk;
}

TEST(MarkerParse, ProgressBar) {
  const std::tuple<int, QString, std::optional<int>> cases[] = {
      {50, "100", 3500}, {1, "100", std::nullopt}, {2, "100", 140}, {100, "100", 7000},
      {120, "100", 8400},  // apps kept with their data: past the edge
      {3, "0", std::nullopt}, {3, "error: no devices/emulators found", std::nullopt}, {3, "", std::nullopt},
      {1, "3", 2310},  // 33 percent
      {5, " 10 ", 3500}, {400, "1", std::nullopt},  // 40000 percent is past 16 bits
      {1, "70000", std::nullopt},                    // the count itself is past 16 bits
  };
  for (const auto& [begun, count, twips] : cases) EXPECT_EQ(ProgressBarTwips(begun, count), twips) << begun << " of " << count.toStdString();
}

}  // namespace
