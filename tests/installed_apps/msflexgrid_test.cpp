#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>
#include <vector>

#include "installed_apps/msflexgrid.h"
#include "installed_apps/scroll_grid_page.h"
#include "runner/mouse_wheel_hook.h"
#include "runner/vb_color.h"

namespace {

// A window that pages the grid under the pointer, as the installed-apps window does.
class GridForm : public QWidget {
  Q_OBJECT
 public:
  GridForm() {
    grid = new MSFlexGrid(this);
    grid->setGeometry(0, 0, 400, 300);
    resize(400, 400);
  }
  Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
    for (MSFlexGrid* each : findChildren<MSFlexGrid*>())
      if (PointInWindow(each->hWnd(), Xpos, Ypos)) ScrollGridPage(each, MouseKeys, Rotation, Xpos, Ypos);
  }
  MSFlexGrid* grid;
};

void Show(QWidget& window) {
  window.show();
  QApplication::processEvents();
}

void SendMouse(MSFlexGrid* grid, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(grid->viewport()->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &event);
}

// As from the window system: only such wheel events travel up to the parents, and sendEvent
// would clear the mark.
bool SendWheel(QWidget* target, QPoint at, int delta) {
  QWheelEvent event(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, delta), {}, {},
                    Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&event);
  return qApp->notify(target, &event);
}

int LastWholeRow(const MSFlexGrid* grid) {
  int last = grid->TopRow();
  while (grid->RowIsVisible(last + 1)) ++last;
  return last;
}

}  // namespace

TEST(MSFlexGrid, AWheelTurnOverTheGridPagesItThroughTheWindowsHook) {
  GridForm form;
  form.grid->Rows(200);
  Show(form);
  HookMouseWheel(&form);
  QPoint middle = form.grid->viewport()->rect().center();

  int lastWhole = LastWholeRow(form.grid);
  ASSERT_GT(lastWhole, 5);
  SendWheel(form.grid->viewport(), middle, -120);
  EXPECT_EQ(form.grid->TopRow(), lastWhole);
  EXPECT_EQ(form.grid->verticalScrollBar()->value(), lastWhole);
  SendWheel(form.grid->viewport(), middle, 120);
  EXPECT_EQ(form.grid->TopRow(), 1);
  SendWheel(&form, QPoint(200, 380), -120);  // in the window, below the grid
  EXPECT_EQ(form.grid->TopRow(), 1);
  UnhookMouseWheel(&form);
}

TEST(MSFlexGrid, AWheelTurnOverItsScrollBarsPagesItThroughTheHookToo) {
  GridForm form;
  form.grid->Rows(200);
  form.grid->Cols(40);
  Show(form);
  HookMouseWheel(&form);
  const int lastWhole = LastWholeRow(form.grid);
  for (QScrollBar* bar : {form.grid->verticalScrollBar(), form.grid->horizontalScrollBar()}) {
    ASSERT_TRUE(bar->isVisible());
    const int before = bar->value();
    SendWheel(bar, bar->rect().center(), -120);
    EXPECT_EQ(form.grid->TopRow(), lastWhole) << bar->orientation();
    EXPECT_EQ(form.grid->LeftCol(), 1) << bar->orientation();
    if (bar->orientation() == Qt::Horizontal) {
      EXPECT_EQ(bar->value(), before);
    }
    form.grid->TopRow(1);
  }
  UnhookMouseWheel(&form);
}

TEST(MSFlexGrid, ReportsTheCellUnderThePointerAndItsEvents) {
  GridForm form;
  MSFlexGrid* grid = form.grid;
  grid->Rows(5);
  grid->Cols(4);
  grid->RowHeight(2, 0);
  Show(form);
  std::vector<std::vector<float>> moves, downs;
  int clicks = 0;
  grid->MouseMove = [&](int b, int s, float x, float y) { moves.push_back({float(b), float(s), x, y}); };
  grid->MouseDown = [&](int b, int s, float x, float y) { downs.push_back({float(b), float(s), x, y}); };
  grid->Click = [&] { ++clicks; };

  // Columns 64 pixels wide, rows 20 high, row 2 hidden; past the last cell: the nearest.
  struct Case {
    QPoint at;
    int row, col;
  } cases[] = {{{5, 5}, 0, 0}, {{133, 45}, 3, 2}, {{390, 290}, 4, 3}};
  for (const Case& c : cases) {
    SendMouse(grid, QEvent::MouseMove, c.at, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(std::pair(grid->MouseRow(), grid->MouseCol()), std::pair(c.row, c.col)) << c.at.x() << "," << c.at.y();
  }
  EXPECT_EQ(moves.at(1), (std::vector<float>{0, 0, 133 * 15, 45 * 15}));

  grid->Row(1);
  for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
    SendMouse(grid, QEvent::MouseButtonPress, {133, 45}, button, button);
    SendMouse(grid, QEvent::MouseButtonRelease, {133, 45}, button, Qt::NoButton);
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(3, 2));  // the left press picks the cell
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0][0], 2);
  EXPECT_EQ(downs[1][0], 1);
}

TEST(MSFlexGrid, PaintsHeaderCellColoursPicturesAndSkipsHiddenRows) {
  GridForm form;
  MSFlexGrid* grid = form.grid;
  grid->Rows(6);
  grid->Cols(4);
  grid->BackColor(0xFFFFFF);
  grid->Row(0);
  grid->Col(2);
  grid->CellBackColor(vbcolor::Rgb(255, 255, 111));
  grid->Row(3);
  grid->Col(1);
  grid->CellBackColor(vbcolor::Rgb(0, 200, 0));
  QImage red(16, 16, QImage::Format_RGB32);
  red.fill(Qt::red);
  grid->Row(4);
  grid->Col(3);
  grid->CellPicture(red);
  grid->ColAlignment(3, 4);
  grid->RowHeight(2, 0);
  Show(form);
  QImage shot = grid->viewport()->grab().toImage();

  struct Case {
    QPoint at;
    QColor colour;
  } cases[] = {
      {{64 + 10, 5}, vbcolor::ToQColor(vbcolor::kButtonFace)},  // header
      {{2 * 64 + 10, 5}, QColor(255, 255, 111)},                 // the hovered header cell
      {{64 + 10, 25}, QColor(Qt::white)},                        // row 1
      {{64 + 10, 45}, QColor(0, 200, 0)},                        // row 3 in place of hidden row 2
      {{3 * 64 + 32, 70}, QColor(Qt::red)},                      // row 4's picture, centred
      {{3 * 64 + 5, 70}, QColor(Qt::white)},                     // beside the picture
  };
  for (const Case& c : cases) EXPECT_EQ(shot.pixelColor(c.at), c.colour) << c.at.x() << "," << c.at.y();
}

TEST(MSFlexGrid, ScrollBarsFollowTopRowAndShowWhenColumnsAreWider) {
  GridForm form;
  MSFlexGrid* grid = form.grid;
  grid->Rows(100);
  grid->Cols(10);
  Show(form);
  grid->TopRow(50);
  EXPECT_EQ(grid->verticalScrollBar()->value(), 50);
  grid->verticalScrollBar()->setValue(20);
  EXPECT_EQ(grid->TopRow(), 20);
  ASSERT_TRUE(grid->horizontalScrollBar()->isVisible());
  grid->horizontalScrollBar()->setValue(3);
  SendMouse(grid, QEvent::MouseMove, {70, 5}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(grid->MouseCol(), 3);
  grid->FixedCols(0);
  SendMouse(grid, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(grid->MouseCol(), 0);

  grid->Cols(3);
  grid->Rows(5);  // all rows fit, but TopRow 4 must be able to come back
  QApplication::processEvents();
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
}

TEST(MSFlexGrid, RedrawOffHoldsTheViewUntilItIsOnAgain) {
  GridForm form;
  Show(form);
  form.grid->Redraw(false);
  form.grid->Rows(50);
  QApplication::processEvents();
  EXPECT_FALSE(form.grid->verticalScrollBar()->isVisible());
  form.grid->Redraw(true);
  QApplication::processEvents();
  EXPECT_TRUE(form.grid->verticalScrollBar()->isVisible());
}

#include "msflexgrid_test.moc"
