#include "installed_apps/flex_grid_model.h"

#include <algorithm>

#include "runner/vb_color.h"

using flexgrid::Change;

FlexGridModel::FlexGridModel() : backColor_(vbcolor::kWindowBackground) {
  colWidths_.assign(2, flexgrid::kDefaultColWidth);
  colAlignments_.assign(2, flexgrid::kAlignGeneral);
  Rows(2);
}

void FlexGridModel::Rows(int count) {
  if (count < fixedRows_ || count == Rows()) return;
  for (int r = count; r < Rows(); ++r) totalRowHeight_ -= rows_[r].height;
  int before = Rows();
  rows_.resize(count, RowData{std::vector<Cell>(Cols()), flexgrid::kDefaultRowHeight});
  if (count > before) totalRowHeight_ += qint64(count - before) * flexgrid::kDefaultRowHeight;
  ClampPositions();
  Changed(Change::Layout);
}

void FlexGridModel::Cols(int count) {
  if (count < fixedCols_ || count == Cols()) return;
  colWidths_.resize(count, flexgrid::kDefaultColWidth);
  colAlignments_.resize(count, flexgrid::kAlignGeneral);
  for (RowData& row : rows_) row.cells.resize(count);
  ClampPositions();
  Changed(Change::Layout);
}

void FlexGridModel::FixedRows(int count) {
  if (count < 0 || count >= Rows()) return;
  fixedRows_ = count;
  ClampPositions();
  Changed(Change::Layout);
}

void FlexGridModel::FixedCols(int count) {
  if (count < 0 || count >= Cols()) return;
  fixedCols_ = count;
  ClampPositions();
  Changed(Change::Layout);
}

void FlexGridModel::ClampPositions() {
  int lastRow = std::max(0, Rows() - 1);
  int lastCol = std::max(0, Cols() - 1);
  row_ = std::min(row_, lastRow);
  rowSel_ = std::min(rowSel_, lastRow);
  col_ = std::min(col_, lastCol);
  colSel_ = std::min(colSel_, lastCol);
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, lastRow));
}

void FlexGridModel::Row(int row) {
  if (!ValidRow(row)) return;
  row_ = rowSel_ = row;
  colSel_ = col_;
  Changed(Change::Cells);
}

void FlexGridModel::Col(int col) {
  if (!ValidCol(col)) return;
  col_ = colSel_ = col;
  rowSel_ = row_;
  Changed(Change::Cells);
}

void FlexGridModel::RowSel(int row) {
  if (!ValidRow(row)) return;
  rowSel_ = row;
  Changed(Change::Cells);
}

void FlexGridModel::ColSel(int col) {
  if (!ValidCol(col)) return;
  colSel_ = col;
  Changed(Change::Cells);
}

QString FlexGridModel::TextMatrix(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col)) return QString();
  return rows_[row].cells[col].text;
}

void FlexGridModel::TextMatrix(int row, int col, const QString& text) {
  if (!ValidRow(row) || !ValidCol(col)) return;
  rows_[row].cells[col].text = text;
  Changed(Change::Cells);
}

int FlexGridModel::ColWidth(int col) const { return ValidCol(col) ? colWidths_[col] : 0; }

void FlexGridModel::ColWidth(int col, int twips) {
  if (!ValidCol(col) || twips < 0) return;
  colWidths_[col] = twips;
  Changed(Change::Layout);
}

int FlexGridModel::ColAlignment(int col) const { return ValidCol(col) ? colAlignments_[col] : 0; }

void FlexGridModel::ColAlignment(int col, int alignment) {
  if (!ValidCol(col)) return;
  colAlignments_[col] = alignment;
  Changed(Change::Cells);
}

int FlexGridModel::RowHeight(int row) const { return ValidRow(row) ? rows_[row].height : 0; }

void FlexGridModel::RowHeight(int row, int twips) {
  if (!ValidRow(row) || twips < 0) return;
  totalRowHeight_ += twips - rows_[row].height;
  rows_[row].height = twips;
  Changed(Change::Layout);
}

void FlexGridModel::TopRow(int row) {
  if (row < fixedRows_ || row >= Rows()) return;
  topRow_ = row;
  Changed(Change::TopRow);
}

bool FlexGridModel::RowIsVisible(int row) const {
  if (!ValidRow(row) || rows_[row].height == 0) return false;
  if (row >= fixedRows_ && row < topRow_) return false;
  qint64 bottom = 0;
  for (int r = 0; r < std::min(row + 1, fixedRows_); ++r) bottom += rows_[r].height;
  for (int r = topRow_; r <= row && bottom <= clientHeight_; ++r) bottom += rows_[r].height;
  return bottom <= clientHeight_;
}

void FlexGridModel::BackColor(qint32 colour) {
  backColor_ = colour;
  Changed(Change::Cells);
}

qint32 FlexGridModel::CellBackColor() const { return CellBackColorAt(row_, col_).value_or(0); }

void FlexGridModel::CellBackColor(qint32 colour) {
  rows_[row_].cells[col_].backColor = colour;
  Changed(Change::Cells);
}

std::optional<qint32> FlexGridModel::CellBackColorAt(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col)) return std::nullopt;
  return rows_[row].cells[col].backColor;
}

void FlexGridModel::CellPicture(const QImage& picture) {
  rows_[row_].cells[col_].picture = picture;
  Changed(Change::Cells);
}

QImage FlexGridModel::CellPictureAt(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col)) return QImage();
  return rows_[row].cells[col].picture;
}

QString FlexGridModel::Clip() const {
  auto [top, bottom] = std::minmax(row_, rowSel_);
  auto [left, right] = std::minmax(col_, colSel_);
  QString clip;
  for (int r = top; r <= bottom; ++r) {
    if (r > top) clip += QLatin1Char('\r');
    for (int c = left; c <= right; ++c) {
      if (c > left) clip += QLatin1Char('\t');
      clip += rows_[r].cells[c].text;
    }
  }
  return clip;
}

void FlexGridModel::Redraw(bool on) {
  redraw_ = on;
  if (on) Changed(Change::Redraw);
}

void FlexGridModel::SetViewHeights(int height, int clientHeight) {
  height_ = height;
  clientHeight_ = clientHeight;
}
