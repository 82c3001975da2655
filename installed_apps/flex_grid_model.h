#pragma once
// The grid's content and rules without any window: cells, fixed rows and columns, the current
// cell and the selection, row heights and column widths in twips, sort and clip. Getters and
// setters share the member's name: Rows() reads, Rows(n) writes. A write that names a row or
// column outside the grid, or a value the grid does not take, changes nothing.

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace flexgrid {

// Values of Sort(): numeric and text (case ignored), ascending and descending.
constexpr int kSortNumericAscending = 3;
constexpr int kSortNumericDescending = 4;
constexpr int kSortStringNoCaseAscending = 5;
constexpr int kSortStringNoCaseDescending = 6;

// Values of ColAlignment(): 1 left, 4 centre, 7 right (all vertically centred); 9 puts numbers
// right and other texts left. Other values are kept and painted as the nearest of these.
constexpr int kAlignLeftCenter = 1;
constexpr int kAlignCenterCenter = 4;
constexpr int kAlignRightCenter = 7;
constexpr int kAlignGeneral = 9;

constexpr int kDefaultRowHeight = 300;  // twips, 20 pixels
constexpr int kDefaultColWidth = 960;   // twips, 64 pixels

// What a change touched, so that a view repaints or re-measures only what it must.
enum class Change { Cells, Layout, TopRow, Redraw };

}  // namespace flexgrid

class FlexGridModel {
 public:
  FlexGridModel();  // 2 rows, 2 columns, one fixed row and one fixed column
  virtual ~FlexGridModel() = default;

  int Rows() const { return static_cast<int>(physical_.size()); }
  void Rows(int count);  // at least FixedRows; new rows are empty at the default height
  int Cols() const { return static_cast<int>(columns_.size()); }
  void Cols(int count);  // at least FixedCols
  int FixedRows() const { return fixedRows_; }
  void FixedRows(int count);  // 0 to Rows - 1
  int FixedCols() const { return fixedCols_; }
  void FixedCols(int count);  // 0 to Cols - 1

  // The current cell. Setting Row or Col moves it and makes it the whole selection.
  int Row() const { return row_; }
  void Row(int row);
  int Col() const { return col_; }
  void Col(int col);
  // The other end of the selection.
  int RowSel() const { return rowSel_; }
  void RowSel(int row);
  int ColSel() const { return colSel_; }
  void ColSel(int col);

  QString TextMatrix(int row, int col) const;
  void TextMatrix(int row, int col, const QString& text);
  // The cell's text where it is stored, for a scan over many cells; an empty text outside the grid.
  const QString& CellText(int row, int col) const;

  int ColWidth(int col) const;  // twips
  void ColWidth(int col, int twips);
  int ColAlignment(int col) const;
  void ColAlignment(int col, int alignment);
  int RowHeight(int row) const;  // twips; 0 hides the row
  void RowHeight(int row, int twips);

  // The first non-fixed row shown, FixedRows to Rows - 1.
  int TopRow() const { return topRow_; }
  void TopRow(int row);
  // The row is shown whole in a view of ClientHeight() twips.
  bool RowIsVisible(int row) const;

  qint32 BackColor() const { return backColor_; }
  void BackColor(qint32 colour);
  // The current cell's own background; 0 while it has none (it then takes the grid's).
  qint32 CellBackColor() const;
  void CellBackColor(qint32 colour);
  std::optional<qint32> CellBackColorAt(int row, int col) const;
  QImage CellPicture() const { return CellPictureAt(row_, col_); }
  void CellPicture(const QImage& picture);
  QImage CellPictureAt(int row, int col) const;

  // Sorts the non-fixed rows on column Col, keeping the order of equal keys; codes other than
  // 3 to 6 do nothing. A numeric sort puts the cells that read as numbers first, by value, and
  // the others after them by their text, case ignored, in the same direction.
  void Sort(int code);

  // The selected cells' texts, cells joined by tabs and rows by carriage returns.
  QString Clip() const;

  QString Tag() const { return tag_; }
  void Tag(const QString& tag) { tag_ = tag; }

  // False keeps a view from repainting during bulk changes; True repaints.
  bool Redraw() const { return redraw_; }
  void Redraw(bool on);

  // The control's height and the height its rows can use, both in twips: a view gives its own,
  // a model alone the ones set last.
  virtual int Height() const { return height_; }
  virtual int ClientHeight() const { return clientHeight_; }
  void SetViewHeights(int height, int clientHeight);

  // The sum of all row heights, fixed rows included.
  qint64 TotalRowHeight() const { return totalRowHeight_; }

 protected:
  virtual void Changed(flexgrid::Change) {}

 private:
  // Column by column, so that a sort reads its key column in one sweep. Colours and pictures
  // stay empty until a cell of the column gets one.
  struct Column {
    std::vector<QString> texts;
    std::vector<std::optional<qint32>> backColors;
    std::vector<QImage> pictures;
    int width = flexgrid::kDefaultColWidth;
    int alignment = flexgrid::kAlignGeneral;
  };

  bool ValidRow(int row) const { return row >= 0 && row < Rows(); }
  bool ValidCol(int col) const { return col >= 0 && col < Cols(); }
  // False on a grid without rows or columns, where the current cell and the selection name none.
  bool HasCurrentCell() const { return ValidRow(row_) && ValidCol(col_); }
  // Where a row's cells and height are stored: a sort reorders this list, not the cells.
  int At(int row) const { return physical_[row]; }
  void ClampPositions();
  void ResizeColumn(Column& column) const;
  void StoreInRowOrder();

  std::vector<Column> columns_;
  std::vector<int> heights_;
  std::vector<int> physical_;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  int row_ = 1;
  int col_ = 1;
  int rowSel_ = 1;
  int colSel_ = 1;
  int topRow_ = 1;
  qint32 backColor_;
  QString tag_;
  bool redraw_ = true;
  int height_ = 0;
  int clientHeight_ = 0;
  qint64 totalRowHeight_ = 0;
};
