#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <vector>

#include "installed_apps/msflexgrid.h"
#include "installed_apps/scroll_grid_page.h"
#include "runner/mouse_wheel_hook.h"
#include "runner/vb_color.h"
#include "support/gtest_qt.h"

namespace {

struct GridWindow {
  GridWindow() {
    grid->setGeometry(0, 0, 400, 300);
    window.resize(400, 400);
    window.show();
    QApplication::processEvents();
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = {}) {
    QMouseEvent event(type, QPointF(at), QPointF(grid->viewport()->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &event);
  }
  QWidget window;
  MSFlexGrid* grid = new MSFlexGrid(&window);
};

// A window that pages the grid under the pointer, as the installed-apps window does.
class GridForm : public QWidget {
  Q_OBJECT
 public:
  GridForm() {
    grid->setGeometry(0, 0, 400, 300);
    resize(400, 400);
  }
  Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
    if (PointInWindow(grid->hWnd(), Xpos, Ypos)) ScrollGridPage(grid, MouseKeys, Rotation, Xpos, Ypos);
  }
  MSFlexGrid* grid = new MSFlexGrid(this);
};

}  // namespace

// Columns 64 pixels wide, rows 20 high, row 2 hidden.
TEST(MSFlexGrid, PaintsTheModelAndReportsTheCellUnderThePointer) {
  GridWindow w;
  MSFlexGrid* grid = w.grid;
  grid->Rows(6);
  grid->Cols(4);
  grid->BackColor(0xFFFFFF);
  auto cell = [grid](int row, int col) {
    grid->Row(row);
    grid->Col(col);
    return grid;
  };
  cell(0, 2)->CellBackColor(vbcolor::Rgb(255, 255, 111));
  cell(3, 1)->CellBackColor(vbcolor::Rgb(0, 200, 0));
  QImage red(16, 16, QImage::Format_RGB32);
  red.fill(Qt::red);
  cell(4, 3)->CellPicture(red);
  grid->ColAlignment(3, 4);
  grid->RowHeight(2, 0);
  QApplication::processEvents();
  const QImage shot = grid->viewport()->grab().toImage();
  const std::pair<QPoint, QColor> pixels[] = {
      {{64 + 10, 5}, vbcolor::ToQColor(vbcolor::kButtonFace)},  // header
      {{2 * 64 + 10, 5}, QColor(255, 255, 111)},                 // a coloured header cell
      {{64 + 10, 25}, QColor(Qt::white)},                        // row 1
      {{64 + 10, 45}, QColor(0, 200, 0)},                        // row 3 in place of hidden row 2
      {{3 * 64 + 32, 70}, QColor(Qt::red)},                      // row 4's picture, centred
      {{3 * 64 + 5, 70}, QColor(Qt::white)},                     // beside the picture
  };
  for (const auto& [at, colour] : pixels) EXPECT_EQ(shot.pixelColor(at), colour) << at.x() << "," << at.y();

  std::vector<std::vector<float>> moves, downs;
  int clicks = 0;
  grid->MouseMove = [&](int b, int s, float x, float y) { moves.push_back({float(b), float(s), x, y}); };
  grid->MouseDown = [&](int b, int s, float x, float y) { downs.push_back({float(b), float(s), x, y}); };
  grid->Click = [&] { ++clicks; };
  const std::tuple<QPoint, int, int> cells[] = {{{5, 5}, 0, 0}, {{133, 45}, 3, 2}, {{390, 290}, 5, 3}};  // past the last: the nearest
  for (const auto& [at, row, col] : cells) {
    w.Mouse(QEvent::MouseMove, at);
    EXPECT_EQ(std::pair(grid->MouseRow(), grid->MouseCol()), std::pair(row, col)) << at.x() << "," << at.y();
  }
  EXPECT_EQ(moves.at(1), (std::vector<float>{0, 0, 133 * 15, 45 * 15}));
  grid->Row(1);
  for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
    w.Mouse(QEvent::MouseButtonPress, {133, 45}, button, button);
    w.Mouse(QEvent::MouseButtonRelease, {133, 45}, button);
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(std::pair(grid->Row(), grid->Col()), std::pair(3, 2));  // the left press picks the cell
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(std::pair(downs[0][0], downs[1][0]), std::pair(2.0f, 1.0f));
}

TEST(MSFlexGrid, ScrollBarsFollowTopRowAndRedraw) {
  GridWindow w;
  MSFlexGrid* grid = w.grid;
  grid->Redraw(false);
  grid->Rows(100);
  grid->Cols(10);
  QApplication::processEvents();
  EXPECT_FALSE(grid->verticalScrollBar()->isVisible()) << "held while Redraw is off";
  grid->Redraw(true);
  QApplication::processEvents();
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
  grid->TopRow(50);
  EXPECT_EQ(grid->verticalScrollBar()->value(), 50);
  grid->verticalScrollBar()->setValue(20);
  EXPECT_EQ(grid->TopRow(), 20);
  ASSERT_TRUE(grid->horizontalScrollBar()->isVisible());
  grid->horizontalScrollBar()->setValue(3);
  w.Mouse(QEvent::MouseMove, {70, 5});
  EXPECT_EQ(grid->MouseCol(), 3);
  grid->FixedCols(0);
  w.Mouse(QEvent::MouseMove, {5, 5});
  EXPECT_EQ(grid->MouseCol(), 0);

  grid->Cols(3);
  grid->Rows(5);  // all rows fit, but TopRow 4 must be able to come back
  QApplication::processEvents();
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
}

TEST(MSFlexGrid, AWheelTurnOverItsScrollBarsPagesItThroughTheHookToo) {
  GridForm form;
  form.grid->Rows(200);
  form.grid->Cols(40);
  form.show();
  QApplication::processEvents();
  HookMouseWheel(&form);
  int lastWhole = 1;
  while (form.grid->RowIsVisible(lastWhole + 1)) ++lastWhole;
  for (QScrollBar* bar : {form.grid->verticalScrollBar(), form.grid->horizontalScrollBar()}) {
    ASSERT_TRUE(bar->isVisible());
    const int before = bar->value();
    const QPoint at = bar->rect().center();
    QWheelEvent turn(at, bar->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);  // as from the window system
    qApp->notify(bar, &turn);
    EXPECT_EQ(form.grid->TopRow(), lastWhole) << bar->orientation();
    if (bar->orientation() == Qt::Horizontal) {
      EXPECT_EQ(bar->value(), before);
    }
    form.grid->TopRow(1);
  }
  UnhookMouseWheel(&form);
}

#include "msflexgrid_test.moc"
