#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "installed_apps/cell_picture.h"
#include "installed_apps/msflexgrid.h"
#include "runner/picture_box.h"
#include "support/gtest_qt.h"

// A 40 x 40 picture, transparent but for a black square in its middle half.
static QImage Gear() {
  QImage picture(40, 40, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter(&picture).fillRect(10, 10, 20, 20, Qt::black);
  return picture;
}

TEST(SetCellPicture, DrawsTheScaledPictureOnTheColourAndRemovesItsBox) {
  QWidget window;
  auto* grid = new MSFlexGrid(&window);
  grid->Rows(4);
  grid->Cols(10);
  for (int row : {1, 3}) {
    SetCellPicture(&window, grid, Gear(), row, 9, 16, 16, 0xFFFFFF);
    EXPECT_EQ(window.findChild<QWidget*>("tmpPictureBox"), nullptr);
    const QImage cell = grid->CellPictureAt(row, 9);
    ASSERT_EQ(cell.size(), QSize(16, 16));
    EXPECT_EQ(cell.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(cell.pixelColor(15, 15), QColor(Qt::white));
    EXPECT_EQ(cell.pixelColor(8, 8), QColor(Qt::black));
  }
  EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(3, 9));

  SetCellPicture(&window, grid, Gear(), 7, 1, 16, 16, 0xFFFFFF);  // no row 7: the box is left
  QPointer<PictureBox> left = window.findChild<PictureBox*>("tmpPictureBox");
  ASSERT_TRUE(left);
  SetCellPicture(&window, grid, QImage(), 1, 1, 16, 16, 0xFFFFFF);  // no picture
  EXPECT_EQ(window.findChildren<PictureBox*>().size(), 1);
  SetCellPicture(&window, grid, Gear(), 1, 1, 16, 16, 0xFFFFFF);
  EXPECT_TRUE(left.isNull());
  EXPECT_TRUE(window.findChildren<PictureBox*>().isEmpty());
}
