#pragma once
// The grid control: paints its model (fixed rows as headers, texts, cell pictures, the current
// cell), scrolls by whole rows from TopRow and whole columns, and reports the pointer. It does
// not scroll itself on the wheel: the window's wheel hook pages it (ScrollGridPage).

#include <QAbstractScrollArea>
#include <QFont>
#include <functional>

#include "installed_apps/flex_grid_model.h"

class MSFlexGrid : public QAbstractScrollArea, public FlexGridModel {
  Q_OBJECT
 public:
  explicit MSFlexGrid(QWidget* parent = nullptr);

  QWidget* hWnd() { return this; }

  // Size in twips.
  int Width() const;
  void Width(int twips);
  int Height() const override;
  void Height(int twips);
  int ClientHeight() const override;

  QFont Font() const { return font(); }
  void Font(const QFont& font) { setFont(font); }
  QString ToolTipText() const;
  void ToolTipText(const QString& text);

  // The cell under the pointer at its last move or press (the nearest shown cell when the
  // pointer is past the last row or column).
  int MouseRow() const { return mouseRow_; }
  int MouseCol() const { return mouseCol_; }
  // Reads the cell under a pointer that stands at this screen point (pixels) again, after the
  // rows moved beneath it; false, and nothing read, when the point is not over the cells.
  bool PointerAt(const QPoint& globalPosition);

  // Events. Button: 1 left, 2 right, 4 middle (for MouseMove the buttons held, 0 none);
  // Shift: 1 shift, 2 control, 4 alt; X and Y in twips from the control's top-left corner.
  std::function<void()> Click;
  std::function<void(int Button, int Shift, float X, float Y)> MouseDown;
  std::function<void(int Button, int Shift, float X, float Y)> MouseMove;

  // The first non-fixed column shown (the horizontal scroll position).
  int LeftCol() const { return leftCol_; }

 protected:
  void Changed(flexgrid::Change change) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SyncScrollBars();
  void TrackPointer(const QPoint& position);
  int RowAtY(int y) const;
  int ColAtX(int x) const;
  int MaxLeftCol() const;

  int mouseRow_ = 0;
  int mouseCol_ = 0;
  int leftCol_ = 1;
  int fixedColsSeen_ = 1;  // a change of the fixed columns shows the first column again
  bool syncing_ = false;
  bool pressedLeft_ = false;
};
