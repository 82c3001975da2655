#include <gtest/gtest.h>

#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "installed_apps/cell_picture.h"
#include "installed_apps/msflexgrid.h"
#include "runner/picture_box.h"

namespace {

constexpr qint32 kWhite = 0xFFFFFF;

// A 40 x 40 picture, transparent but for a black square in its middle half.
QImage GearLike() {
  QImage picture(40, 40, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter(&picture).fillRect(10, 10, 20, 20, Qt::black);
  return picture;
}

}  // namespace

TEST(SetCellPicture, DrawsTheScaledPictureOnTheColourIntoTheCellAndRemovesTheBox) {
  QWidget window;
  auto* grid = new MSFlexGrid(&window);
  grid->Rows(4);
  grid->Cols(10);
  for (int row : {1, 3}) {
    SetCellPicture(&window, grid, GearLike(), row, 9, 16, 16, kWhite);
    EXPECT_EQ(window.findChild<QWidget*>("tmpPictureBox"), nullptr);
  }
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Col(), 9);
  EXPECT_EQ(grid->RowSel(), 3);
  for (int row : {1, 3}) {
    QImage cell = grid->CellPictureAt(row, 9);
    ASSERT_EQ(cell.size(), QSize(16, 16)) << row;
    EXPECT_EQ(cell.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(cell.pixelColor(15, 15), QColor(Qt::white));
    EXPECT_EQ(cell.pixelColor(8, 8), QColor(Qt::black));
  }
  EXPECT_TRUE(grid->CellPictureAt(2, 9).isNull());
}

TEST(SetCellPicture, AFailedCallLeavesTheBoxForTheNextCall) {
  QWidget window;
  auto* grid = new MSFlexGrid(&window);
  grid->Rows(3);
  SetCellPicture(&window, grid, GearLike(), 7, 1, 16, 16, kWhite);  // no row 7
  QPointer<PictureBox> left = window.findChild<PictureBox*>("tmpPictureBox");
  ASSERT_TRUE(left);
  EXPECT_FALSE(left->HasBorder());
  SetCellPicture(&window, grid, QImage(), 1, 1, 16, 16, kWhite);  // no picture
  EXPECT_EQ(window.findChildren<PictureBox*>().size(), 1);
  SetCellPicture(&window, grid, GearLike(), 2, 1, 16, 16, kWhite);
  EXPECT_TRUE(left.isNull());
  EXPECT_TRUE(window.findChildren<PictureBox*>().isEmpty());
  EXPECT_EQ(grid->CellPictureAt(2, 1).size(), QSize(16, 16));
}
