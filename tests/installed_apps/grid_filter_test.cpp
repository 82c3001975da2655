#include "installed_apps/flex_grid_model.h"
#include "installed_apps/grid_filter.h"
#include "support/gtest_qt.h"

TEST(FilterRows, KeepsRowsWithTheTextInAnyCellCaseIgnored) {
  const QStringList rows[] = {{"Éclair", "com.b \r", "1.0\r"}, {"设备管理", "com.a \r", "2.5\r"}, {"", "", ""}};
  const std::pair<QString, QList<int>> cases[] = {
      {"éCLAIR", {1, 0, 0}},        // letters beyond ASCII fold too
      {"设备", {0, 1, 0}},
      {" \r", {1, 1, 0}},           // the line ends that the cells keep
      {"5\r", {0, 1, 0}},           // a match in the last column
      {"com.b \r and more", {0, 0, 0}},  // longer than every cell
      {"", {1, 1, 1}},
  };
  for (const auto& [text, shown] : cases) {
    FlexGridModel grid;
    grid.FixedCols(0);
    grid.Cols(3);
    grid.Rows(4);
    grid.TextMatrix(0, 0, text);  // the header row neither counts nor hides
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) grid.TextMatrix(r + 1, c, rows[r][c]);
    FilterRows(&grid, text, 250);
    QList<int> heights;
    for (int r = 1; r < 4; ++r) heights << grid.RowHeight(r) / 250;
    EXPECT_EQ(heights, shown) << text.toStdString();
    EXPECT_EQ(grid.RowHeight(0), flexgrid::kDefaultRowHeight);
    EXPECT_TRUE(grid.Redraw());
  }
}
