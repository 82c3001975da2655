#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "installed_apps/msflexgrid.h"
#include "runner/form_building.h"
#include "runner/vb_color.h"

namespace {

const QColor kGridLine(192, 192, 192);
const QColor kFixedGridLine(128, 128, 128);
const QColor kBackgroundBeyondCells(128, 128, 128);

struct Span {
  int index;
  int start;
  int size;
};

// The rows or columns that a view shows: the fixed ones, then the others from `first` on,
// skipping those of size 0, until `room` pixels are used.
template <typename SizeOf>
std::vector<Span> ShownSpans(int fixed, int first, int count, int room, SizeOf sizeOf) {
  std::vector<Span> spans;
  int at = 0;
  auto add = [&](int i) {
    int size = Pixels(sizeOf(i));
    if (size <= 0) return;
    spans.push_back({i, at, size});
    at += size;
  };
  for (int i = 0; i < fixed && i < count; ++i) add(i);
  for (int i = first; i < count && at < room; ++i) add(i);
  return spans;
}

bool LooksNumeric(const QString& text) {
  bool ok = false;
  text.trimmed().toDouble(&ok);
  return ok;
}

Qt::Alignment HorizontalAlignment(int alignment, const QString& text) {
  if (alignment == flexgrid::kAlignGeneral) return LooksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft;
  if (alignment >= 3 && alignment <= 5) return Qt::AlignHCenter;
  if (alignment >= 6 && alignment <= 8) return Qt::AlignRight;
  return Qt::AlignLeft;
}

// Line ends kept in a cell's text are not shown.
QString ShownText(const QString& text) {
  QString shown = text;
  shown.remove(QLatin1Char('\r'));
  shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return shown;
}

QPoint PicturePlace(const QRect& cell, const QSize& picture, Qt::Alignment horizontal) {
  int x = cell.left();
  if (horizontal & Qt::AlignHCenter) x = cell.left() + (cell.width() - picture.width()) / 2;
  if (horizontal & Qt::AlignRight) x = cell.right() + 1 - picture.width();
  return QPoint(x, cell.top() + (cell.height() - picture.height()) / 2);
}

}  // namespace

void MSFlexGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), kBackgroundBeyondCells);
  QRect view = viewport()->rect();
  auto rows = ShownSpans(FixedRows(), TopRow(), Rows(), view.height(), [this](int r) { return RowHeight(r); });
  auto cols = ShownSpans(FixedCols(), LeftCol(), Cols(), view.width(), [this](int c) { return ColWidth(c); });
  // The list form returns values: the two-argument one would bind references to temporaries.
  const auto [selTop, selBottom] = std::minmax({Row(), RowSel()});
  const auto [selLeft, selRight] = std::minmax({Col(), ColSel()});
  bool oneCell = selTop == selBottom && selLeft == selRight;
  QPalette colours = palette();

  for (const Span& row : rows) {
    for (const Span& col : cols) {
      QRect cell(col.start, row.start, col.size, row.size);
      if (!cell.intersects(event->rect())) continue;
      bool fixed = row.index < FixedRows() || col.index < FixedCols();
      bool selected = !oneCell && !fixed && row.index >= selTop && row.index <= selBottom &&
                      col.index >= selLeft && col.index <= selRight &&
                      !(row.index == Row() && col.index == Col());
      std::optional<qint32> own = CellBackColorAt(row.index, col.index);
      QColor back = own ? vbcolor::ToQColor(*own)
                        : vbcolor::ToQColor(fixed ? vbcolor::kButtonFace : BackColor());
      if (selected) back = colours.color(QPalette::Highlight);
      painter.fillRect(cell, back);

      QRect inner = cell.adjusted(0, 0, -1, -1);
      if (fixed) {
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
      }
      painter.setPen(fixed ? kFixedGridLine : kGridLine);
      painter.drawLine(inner.topRight(), inner.bottomRight());
      painter.drawLine(inner.bottomLeft(), inner.bottomRight());

      QString text = ShownText(TextMatrix(row.index, col.index));
      Qt::Alignment horizontal = HorizontalAlignment(ColAlignment(col.index), text);
      painter.save();
      painter.setClipRect(inner);
      QImage picture = CellPictureAt(row.index, col.index);
      if (!picture.isNull()) painter.drawImage(PicturePlace(inner, picture.size(), horizontal), picture);
      if (!text.isEmpty()) {
        QColor ink = fixed ? colours.color(QPalette::ButtonText) : colours.color(QPalette::Text);
        if (selected) ink = colours.color(QPalette::HighlightedText);
        painter.setPen(ink);
        painter.drawText(inner.adjusted(2, 0, -2, 0), horizontal | Qt::AlignVCenter | Qt::TextSingleLine, text);
      }
      painter.restore();

      if (!fixed && row.index == Row() && col.index == Col()) {
        QPen focus(colours.color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(focus);
        painter.drawRect(inner.adjusted(1, 1, -1, -1));
      }
    }
  }
}
