#include <gtest/gtest.h>

#include <QStringList>

#include "installed_apps/flex_grid_model.h"

namespace {

// A grid with a header row and one text column holding the given cells, rows 1 on.
FlexGridModel OneColumn(const QStringList& cells, int cols = 1) {
  FlexGridModel grid;
  grid.FixedCols(0);
  grid.Cols(cols);
  grid.Rows(cells.size() + 1);
  grid.TextMatrix(0, 0, "header");
  for (int i = 0; i < cells.size(); ++i) grid.TextMatrix(i + 1, 0, cells[i]);
  return grid;
}

QStringList Column(const FlexGridModel& grid, int col = 0) {
  QStringList cells;
  for (int r = grid.FixedRows(); r < grid.Rows(); ++r) cells << grid.TextMatrix(r, col);
  return cells;
}

}  // namespace

TEST(FlexGridModel, SortCodesOrderByNumberOrTextCaseIgnored) {
  const QStringList mixed = {"10", "9", "b", "", "A", "9.5\r", "a"};
  struct Case {
    int code;
    QStringList expected;
  } cases[] = {
      {3, {"9", "9.5\r", "10", "", "A", "a", "b"}},
      {4, {"10", "9.5\r", "9", "b", "A", "a", ""}},
      {5, {"", "10", "9", "9.5\r", "A", "a", "b"}},
      {6, {"b", "A", "a", "9.5\r", "9", "10", ""}},
      {7, mixed},  // not a sort code of this grid
  };
  for (const Case& c : cases) {
    FlexGridModel grid = OneColumn(mixed);
    grid.Col(0);
    grid.Sort(c.code);
    EXPECT_EQ(Column(grid), c.expected) << "code " << c.code;
    EXPECT_EQ(grid.TextMatrix(0, 0), "header") << "code " << c.code;
  }
}

TEST(FlexGridModel, SortIsStableAndMovesWholeRows) {
  FlexGridModel grid = OneColumn({"x", "y", "X", "z", "x"}, 3);
  for (int r = 1; r < grid.Rows(); ++r) grid.TextMatrix(r, 1, QString::number(r));
  grid.RowHeight(3, 0);
  grid.Row(3);
  grid.Col(2);
  grid.CellBackColor(255);
  grid.Col(0);
  grid.Sort(flexgrid::kSortStringNoCaseAscending);
  EXPECT_EQ(Column(grid), QStringList({"x", "X", "x", "y", "z"}));
  EXPECT_EQ(Column(grid, 1), QStringList({"1", "3", "5", "2", "4"}));
  EXPECT_EQ(grid.RowHeight(2), 0);
  EXPECT_EQ(grid.CellBackColorAt(2, 2), 255);
  EXPECT_FALSE(grid.CellBackColorAt(3, 2).has_value());

  grid.Sort(flexgrid::kSortStringNoCaseDescending);
  EXPECT_EQ(Column(grid, 1), QStringList({"4", "2", "1", "3", "5"}));
}

TEST(FlexGridModel, SettingRowOrColCollapsesTheSelection) {
  FlexGridModel grid;
  grid.Rows(10);
  grid.Cols(5);
  grid.Row(2);
  grid.Col(1);
  grid.RowSel(6);
  grid.ColSel(4);
  EXPECT_EQ(grid.RowSel(), 6);
  grid.Row(3);
  EXPECT_EQ(grid.RowSel(), 3);
  EXPECT_EQ(grid.ColSel(), 1);
  grid.RowSel(7);
  grid.ColSel(3);
  grid.Col(2);
  EXPECT_EQ(grid.RowSel(), 3);
  EXPECT_EQ(grid.ColSel(), 2);

  grid.Row(10);  // past the last row: nothing moves
  grid.Col(-1);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 2);
}

TEST(FlexGridModel, ClipJoinsCellsWithTabsAndRowsWithCarriageReturns) {
  FlexGridModel grid;
  grid.Rows(4);
  grid.Cols(3);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) grid.TextMatrix(r, c, QString("%1%2").arg(QChar('a' + c)).arg(r));
  grid.Row(1);
  grid.Col(1);
  EXPECT_EQ(grid.Clip(), "b1");
  grid.RowSel(3);
  grid.ColSel(2);
  EXPECT_EQ(grid.Clip(), "b1\tc1\rb2\tc2\rb3\tc3");
  grid.Row(3);  // a selection made upwards reads top to bottom too
  grid.Col(2);
  grid.RowSel(2);
  grid.ColSel(0);
  EXPECT_EQ(grid.Clip(), "a2\tb2\tc2\ra3\tb3\tc3");
}

TEST(FlexGridModel, RowsAndColsKeepCellsAndPositionsInRange) {
  FlexGridModel grid;
  grid.Rows(5);
  grid.Cols(4);
  grid.TextMatrix(2, 3, "kept");
  grid.Row(4);
  grid.Col(3);
  grid.TopRow(4);
  grid.Rows(3);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.TopRow(), 2);
  EXPECT_EQ(grid.TextMatrix(2, 3), "kept");
  EXPECT_EQ(grid.TextMatrix(3, 0), "");
  grid.TextMatrix(7, 0, "nowhere");
  EXPECT_EQ(grid.Rows(), 3);
  grid.Rows(0);  // fewer than the fixed rows: refused
  EXPECT_EQ(grid.Rows(), 3);
  grid.Rows(1);
  EXPECT_EQ(grid.TopRow(), 1);
  grid.Rows(3);
  EXPECT_EQ(grid.RowHeight(2), flexgrid::kDefaultRowHeight);
  EXPECT_EQ(grid.TextMatrix(2, 3), "");
  EXPECT_EQ(grid.TotalRowHeight(), 3 * flexgrid::kDefaultRowHeight);
}

TEST(FlexGridModel, RowIsVisibleOnlyWhenWholeAndShown) {
  FlexGridModel grid;
  grid.Rows(20);
  grid.SetViewHeights(1800, 1500);  // room for the header and four rows of 300
  grid.TopRow(5);
  struct Case {
    int row;
    bool visible;
  } cases[] = {{0, true}, {4, false}, {5, true}, {8, true}, {9, false}, {-1, false}, {20, false}};
  for (const Case& c : cases) EXPECT_EQ(grid.RowIsVisible(c.row), c.visible) << c.row;
  grid.RowHeight(6, 0);
  EXPECT_FALSE(grid.RowIsVisible(6));
  EXPECT_TRUE(grid.RowIsVisible(9));
  EXPECT_FALSE(grid.RowIsVisible(10));
}

TEST(FlexGridModel, CellColourAndPictureBelongToTheCurrentCell) {
  FlexGridModel grid;
  grid.Rows(3);
  grid.Cols(3);
  grid.Row(0);
  grid.Col(2);
  EXPECT_EQ(grid.CellBackColor(), 0);
  grid.CellBackColor(0x6FFFFF);
  QImage picture(16, 16, QImage::Format_RGB32);
  grid.CellPicture(picture);
  grid.Row(1);
  EXPECT_EQ(grid.CellBackColor(), 0);
  EXPECT_TRUE(grid.CellPicture().isNull());
  EXPECT_EQ(grid.CellBackColorAt(0, 2), 0x6FFFFF);
  EXPECT_EQ(grid.CellPictureAt(0, 2).size(), QSize(16, 16));
}
