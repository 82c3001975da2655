#include <algorithm>
#include <vector>

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
  EXPECT_EQ(Turn(grid, 30, kDown), 30);
  EXPECT_EQ(Turn(grid, 30, kUp), 17);
  grid.RowHeight(0, 0);  // no header height to measure a page by
  EXPECT_EQ(Turn(grid, 30, kDown), 30);
}

TEST(ScrollGridPage, AfterASearchANotchKeepsAMatchingRowInView) {
  struct Case {
    std::vector<int> matches;
    int top, rotation, expected;
  };
  const Case cases[] = {
      {{3, 10, 12}, 30, kDown, 30},  // nothing matches from TopRow on: towards the user stays
      {{3, 10, 12}, 30, kUp, 12},    // a page up would show only the header: the nearest match
      {{3, 10, 12}, 12, kDown, 12},  // no match after TopRow
      {{3, 10, 12}, 12, kUp, 1},
      {{10, 60}, 30, kDown, 60},     // the next match lies beyond a page
      {{10, 25, 60}, 30, kUp, 17},   // a page up already shows 25
  };
  for (const Case& c : cases) {
    FlexGridModel grid = TallGrid();
    for (int r = 1; r < grid.Rows(); ++r)
      if (std::find(c.matches.begin(), c.matches.end(), r) == c.matches.end()) grid.RowHeight(r, 0);
    EXPECT_EQ(Turn(grid, c.top, c.rotation), c.expected) << c.top << " " << c.rotation << " " << c.matches.size();
  }
}
