#include "installed_apps/flex_grid_model.h"
#include "installed_apps/scroll_grid_page.h"
#include "support/gtest_qt.h"

namespace {

constexpr int kUp = 120;     // away from the user
constexpr int kDown = -120;  // towards the user

// Rows of 300 twips; the control is 13 header heights tall and its rows have room for the
// header and 12 rows, so from TopRow 30 rows 30 to 41 are shown whole.
FlexGridModel TallGrid(int rows = 200) {
  FlexGridModel grid;
  grid.Rows(rows);
  grid.SetViewHeights(13 * 300 + 200, 13 * 300 + 100);
  return grid;
}

int Turn(FlexGridModel& grid, int top, int rotation) {
  grid.TopRow(top);
  ScrollGridPage(&grid, 0, rotation, 0, 0);
  return grid.TopRow();
}

}  // namespace

TEST(ScrollGridPage, MovesByTheRowsShownWholeAndStaysInTheGrid) {
  FlexGridModel grid = TallGrid();
  const int cases[][3] = {{30, kDown, 41}, {30, kUp, 19}, {5, kUp, 1}, {195, kDown, 199},
                          {199, kDown, 199}, {199, kUp, 186}};  // the last row on top still pages back
  for (auto [top, rotation, expected] : cases) EXPECT_EQ(Turn(grid, top, rotation), expected) << top << " " << rotation;
  FlexGridModel fits = TallGrid(12);
  EXPECT_EQ(Turn(fits, 3, kDown), 3);
}

TEST(ScrollGridPage, HiddenRowsTakeNoRoomAndAllHiddenStillEnds) {
  FlexGridModel grid = TallGrid();
  for (int r = 31; r <= 35; ++r) grid.RowHeight(r, 0);
  EXPECT_EQ(Turn(grid, 30, kDown), 43);  // rows 30 and 36 to 47 shown; at most a page
  for (int r = 44; r <= 199; ++r) grid.RowHeight(r, 0);
  EXPECT_EQ(Turn(grid, 36, kDown), 43);
  for (int r = 1; r < grid.Rows(); ++r) grid.RowHeight(r, 0);
  EXPECT_EQ(Turn(grid, 30, kDown), 43);
  EXPECT_EQ(Turn(grid, 30, kUp), 17);
  grid.RowHeight(0, 0);  // no header height to measure a page by
  EXPECT_EQ(Turn(grid, 30, kDown), 30);
}
