#include <QStringList>
#include <functional>

#include "installed_apps/flex_grid_model.h"
#include "support/gtest_qt.h"

namespace {

// A header row over one text column holding the cells, and a second column numbering them.
FlexGridModel Listed(const QStringList& cells) {
  FlexGridModel grid;
  grid.FixedCols(0);
  grid.Rows(cells.size() + 1);
  grid.TextMatrix(0, 0, "header");
  for (int i = 0; i < cells.size(); ++i) {
    grid.TextMatrix(i + 1, 0, cells[i]);
    grid.TextMatrix(i + 1, 1, QString::number(i + 1));
  }
  grid.Col(0);
  return grid;
}

QStringList Column(const FlexGridModel& grid, int col) {
  QStringList cells;
  for (int r = 1; r < grid.Rows(); ++r) cells << grid.TextMatrix(r, col);
  return cells;
}

}  // namespace

TEST(FlexGridModel, SortCodesOrderByNumberOrTextCaseIgnored) {
  const QStringList mixed = {"10", "9", "b", "", "A", "9.5\r", "a"};
  const std::pair<int, QStringList> cases[] = {
      {3, {"9", "9.5\r", "10", "", "A", "a", "b"}}, {4, {"10", "9.5\r", "9", "b", "A", "a", ""}},
      {5, {"", "10", "9", "9.5\r", "A", "a", "b"}}, {6, {"b", "A", "a", "9.5\r", "9", "10", ""}},
      {7, mixed},  // no sort code of this grid
  };
  for (const auto& [code, expected] : cases) {
    FlexGridModel grid = Listed(mixed);
    grid.Sort(code);
    EXPECT_EQ(Column(grid, 0), expected) << "code " << code;
    EXPECT_EQ(grid.TextMatrix(0, 0), "header");
  }
}

TEST(FlexGridModel, SortIsStableAndMovesWholeRows) {
  FlexGridModel grid = Listed({"x", "y", "X", "z", "x"});
  grid.RowHeight(3, 0);
  grid.Row(3);
  grid.Col(1);
  grid.CellBackColor(255);
  grid.Col(0);
  grid.Sort(5);
  EXPECT_EQ(Column(grid, 1), QStringList({"1", "3", "5", "2", "4"}));
  EXPECT_EQ(grid.RowHeight(2), 0);
  EXPECT_EQ(grid.CellBackColorAt(2, 1), 255);
  grid.Sort(6);
  EXPECT_EQ(Column(grid, 1), QStringList({"4", "2", "1", "3", "5"}));
  grid.Rows(5);  // dropping the last row keeps the sorted ones as they stand
  EXPECT_EQ(Column(grid, 1), QStringList({"4", "2", "1", "3"}));
  EXPECT_EQ(grid.RowHeight(4), 0);
  EXPECT_EQ(grid.TotalRowHeight(), 4 * flexgrid::kDefaultRowHeight);
}

TEST(FlexGridModel, SettingRowOrColCollapsesTheSelectionAndClipReadsIt) {
  FlexGridModel grid;
  grid.Rows(4);
  grid.Cols(3);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) grid.TextMatrix(r, c, QString("%1%2").arg(QChar('a' + c)).arg(r));
  grid.Row(3);
  grid.Col(2);
  grid.RowSel(2);
  grid.ColSel(0);
  EXPECT_EQ(grid.Clip(), "a2\tb2\tc2\ra3\tb3\tc3");
  grid.Row(1);
  EXPECT_EQ(std::pair(grid.RowSel(), grid.ColSel()), std::pair(1, 2));
  grid.RowSel(3);
  grid.Col(1);
  EXPECT_EQ(grid.Clip(), "b1");
  grid.Row(4);  // past the last row: nothing moves
  grid.Col(-1);
  EXPECT_EQ(std::pair(grid.Row(), grid.Col()), std::pair(1, 1));
}

TEST(FlexGridModel, RowIsVisibleOnlyWhenWholeAndShown) {
  FlexGridModel grid;
  grid.Rows(20);
  grid.SetViewHeights(1800, 1500);  // room for the header and four rows of 300
  grid.TopRow(5);
  grid.RowHeight(6, 0);
  for (auto [row, visible] : {std::pair{0, true}, {4, false}, {5, true}, {6, false}, {9, true}, {10, false}, {-1, false}})
    EXPECT_EQ(grid.RowIsVisible(row), visible) << row;
}

TEST(FlexGridModel, GridsWithoutRowsOrColumnsTakeEveryMemberAndKeepNoCell) {
  using Member = std::function<void(FlexGridModel&)>;
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const std::pair<const char*, Member> members[] = {
      {"Row", [](FlexGridModel& g) { g.Row(0); }},         {"Col", [](FlexGridModel& g) { g.Col(0); }},
      {"RowSel", [](FlexGridModel& g) { g.RowSel(0); }},   {"ColSel", [](FlexGridModel& g) { g.ColSel(0); }},
      {"TopRow", [](FlexGridModel& g) { g.TopRow(0); }},   {"Sort", [](FlexGridModel& g) { g.Sort(5); }},
      {"TextMatrix", [](FlexGridModel& g) { g.TextMatrix(0, 0, "x"); }},
      {"CellBackColor", [](FlexGridModel& g) { g.CellBackColor(255); }},
      {"CellPicture", [&](FlexGridModel& g) { g.CellPicture(picture); }},
  };
  const std::pair<int, int> shapes[] = {{0, 3}, {4, 0}, {0, 0}};  // rows, columns
  for (auto [rows, cols] : shapes)
    for (const auto& [name, member] : members) {
      SCOPED_TRACE(testing::Message() << name << " on " << rows << " rows, " << cols << " columns");
      FlexGridModel grid;
      grid.FixedRows(0);
      grid.FixedCols(0);
      grid.Rows(rows);
      grid.Cols(cols);
      member(grid);
      EXPECT_EQ(grid.Clip(), "");
      EXPECT_EQ(grid.CellBackColor(), 0);
      EXPECT_TRUE(grid.CellPicture().isNull());
      grid.Rows(2);
      grid.Cols(2);
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
          EXPECT_TRUE(grid.TextMatrix(r, c).isEmpty() && !grid.CellBackColorAt(r, c) && grid.CellPictureAt(r, c).isNull());
    }
}
