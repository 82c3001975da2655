#include "installed_apps/msflexgrid.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "runner/form_building.h"

MSFlexGrid::MSFlexGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFont(DesignFont(QStringLiteral("Arial"), 9.75, true));
  viewport()->setMouseTracking(true);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->installEventFilter(this);
  horizontalScrollBar()->installEventFilter(this);
  SyncScrollBars();
}

int MSFlexGrid::Width() const { return Twips(width()); }
// A negative size is refused and the grid keeps the one it has.
void MSFlexGrid::Width(int twips) {
  if (twips >= 0) resize(Pixels(twips), height());
}
void MSFlexGrid::Height(int twips) {
  if (twips >= 0) resize(width(), Pixels(twips));
}
int MSFlexGrid::Height() const { return Twips(height()); }
int MSFlexGrid::ClientHeight() const { return Twips(viewport()->height()); }

QString MSFlexGrid::ToolTipText() const { return viewport()->toolTip(); }
void MSFlexGrid::ToolTipText(const QString& text) { viewport()->setToolTip(text); }

void MSFlexGrid::Changed(flexgrid::Change change) {
  if (!Redraw()) return;
  if (change != flexgrid::Change::Cells) SyncScrollBars();
  viewport()->update();
}

// Whole rows: the vertical bar's value is TopRow. It shows while the rows do not all fit, or
// while TopRow is not the first row, so that the view can always come back.
void MSFlexGrid::SyncScrollBars() {
  if (syncing_) return;
  syncing_ = true;
  bool allFit = TotalRowHeight() <= ClientHeight();
  int last = std::max(FixedRows(), Rows() - 1);
  QScrollBar* vertical = verticalScrollBar();
  vertical->setRange(FixedRows(), allFit && TopRow() == FixedRows() ? FixedRows() : last);
  vertical->setPageStep(std::max(1, ClientHeight() / flexgrid::kDefaultRowHeight));
  vertical->setValue(TopRow());

  if (FixedCols() != fixedColsSeen_) leftCol_ = fixedColsSeen_ = FixedCols();
  leftCol_ = std::clamp(leftCol_, FixedCols(), MaxLeftCol());
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setRange(FixedCols(), MaxLeftCol());
  horizontal->setPageStep(1);
  horizontal->setValue(leftCol_);
  syncing_ = false;
}

// The smallest first column from which every later column fits beside the fixed ones.
int MSFlexGrid::MaxLeftCol() const {
  int room = viewport()->width();
  for (int c = 0; c < FixedCols(); ++c) room -= Pixels(ColWidth(c));
  int left = std::max(FixedCols(), Cols() - 1);
  int used = 0;
  for (int c = Cols() - 1; c >= FixedCols(); --c) {
    used += Pixels(ColWidth(c));
    if (used > room) break;
    left = c;
  }
  return left;
}

void MSFlexGrid::scrollContentsBy(int, int) {
  if (syncing_) return;
  leftCol_ = horizontalScrollBar()->value();
  int top = verticalScrollBar()->value();
  if (top != TopRow())
    TopRow(top);
  else
    viewport()->update();
}

void MSFlexGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  SyncScrollBars();
}

bool MSFlexGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) SyncScrollBars();
  return QAbstractScrollArea::viewportEvent(event);
}

int MSFlexGrid::RowAtY(int y) const {
  int bottom = 0;
  int found = 0;
  for (int r = 0; r < FixedRows(); ++r) {
    if (RowHeight(r) == 0) continue;
    bottom += Pixels(RowHeight(r));
    found = r;
    if (y < bottom) return r;
  }
  for (int r = TopRow(); r < Rows() && bottom <= viewport()->height(); ++r) {
    if (RowHeight(r) == 0) continue;
    bottom += Pixels(RowHeight(r));
    found = r;
    if (y < bottom) return r;
  }
  return found;
}

int MSFlexGrid::ColAtX(int x) const {
  int right = 0;
  int found = 0;
  auto visit = [&](int c) {
    if (ColWidth(c) == 0) return false;
    right += Pixels(ColWidth(c));
    found = c;
    return x < right;
  };
  for (int c = 0; c < FixedCols(); ++c)
    if (visit(c)) return c;
  for (int c = leftCol_; c < Cols() && right <= viewport()->width(); ++c)
    if (visit(c)) return c;
  return found;
}

void MSFlexGrid::TrackPointer(const QPoint& position) {
  mouseRow_ = RowAtY(position.y());
  mouseCol_ = ColAtX(position.x());
}

bool MSFlexGrid::PointerAt(const QPoint& globalPosition) {
  const QPoint position = viewport()->mapFromGlobal(globalPosition);
  if (!viewport()->rect().contains(position)) return false;
  TrackPointer(position);
  return true;
}

void MSFlexGrid::mousePressEvent(QMouseEvent* event) {
  QPoint position = event->position().toPoint();
  TrackPointer(position);
  pressedLeft_ = event->button() == Qt::LeftButton;
  if (pressedLeft_ && mouseRow_ >= FixedRows() && mouseCol_ >= FixedCols()) {
    Row(mouseRow_);
    Col(mouseCol_);
  }
  if (MouseDown)
    MouseDown(ButtonMask(event->button()), ShiftMask(event->modifiers()), ToTwips(event->position().x()),
              ToTwips(event->position().y()));
}

void MSFlexGrid::mouseReleaseEvent(QMouseEvent* event) {
  TrackPointer(event->position().toPoint());
  bool click = pressedLeft_ && event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint());
  pressedLeft_ = false;
  if (click && Click) Click();
}

void MSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
  TrackPointer(event->position().toPoint());
  if (MouseMove)
    MouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()), ToTwips(event->position().x()),
              ToTwips(event->position().y()));
}

// The wheel belongs to the window's hook, which pages the grid; here it only passes upwards,
// also from the scroll bars, which would otherwise scroll by lines of their own.
void MSFlexGrid::wheelEvent(QWheelEvent* event) { event->ignore(); }

bool MSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
    event->ignore();
    return true;
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}
