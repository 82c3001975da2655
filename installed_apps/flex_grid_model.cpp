#include "installed_apps/flex_grid_model.h"

#include <algorithm>

#include "runner/vb_color.h"

using flexgrid::Change;

FlexGridModel::FlexGridModel() : columns_(2), backColor_(vbcolor::kWindowBackground) { Rows(2); }

void FlexGridModel::ResizeColumn(Column& column) const {
  column.texts.resize(heights_.size());
  if (!column.backColors.empty()) column.backColors.resize(heights_.size());
  if (!column.pictures.empty()) column.pictures.resize(heights_.size());
}

void FlexGridModel::Rows(int count) {
  if (count < fixedRows_ || count == Rows()) return;
  if (count < Rows()) StoreInRowOrder();
  for (int r = count; r < Rows(); ++r) totalRowHeight_ -= heights_[r];
  int before = Rows();
  heights_.resize(count, flexgrid::kDefaultRowHeight);
  physical_.resize(count);
  for (int r = before; r < count; ++r) physical_[r] = r;
  for (Column& column : columns_) ResizeColumn(column);
  if (count > before) totalRowHeight_ += qint64(count - before) * flexgrid::kDefaultRowHeight;
  ClampPositions();
  Changed(Change::Layout);
}

void FlexGridModel::Cols(int count) {
  if (count < fixedCols_ || count == Cols()) return;
  int before = Cols();
  columns_.resize(count);
  for (int c = before; c < count; ++c) ResizeColumn(columns_[c]);
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
  return columns_[col].texts[At(row)];
}

const QString& FlexGridModel::CellText(int row, int col) const {
  static const QString outside;
  if (!ValidRow(row) || !ValidCol(col)) return outside;
  return columns_[col].texts[At(row)];
}

void FlexGridModel::TextMatrix(int row, int col, const QString& text) {
  if (!ValidRow(row) || !ValidCol(col)) return;
  columns_[col].texts[At(row)] = text;
  Changed(Change::Cells);
}

int FlexGridModel::ColWidth(int col) const { return ValidCol(col) ? columns_[col].width : 0; }

void FlexGridModel::ColWidth(int col, int twips) {
  if (!ValidCol(col) || twips < 0) return;
  columns_[col].width = twips;
  Changed(Change::Layout);
}

int FlexGridModel::ColAlignment(int col) const { return ValidCol(col) ? columns_[col].alignment : 0; }

void FlexGridModel::ColAlignment(int col, int alignment) {
  if (!ValidCol(col)) return;
  columns_[col].alignment = alignment;
  Changed(Change::Cells);
}

int FlexGridModel::RowHeight(int row) const { return ValidRow(row) ? heights_[At(row)] : 0; }

void FlexGridModel::RowHeight(int row, int twips) {
  if (!ValidRow(row) || twips < 0) return;
  int& height = heights_[At(row)];
  totalRowHeight_ += twips - height;
  height = twips;
  Changed(Change::Layout);
}

void FlexGridModel::TopRow(int row) {
  if (row < fixedRows_ || row >= Rows()) return;
  topRow_ = row;
  Changed(Change::TopRow);
}

bool FlexGridModel::RowIsVisible(int row) const {
  if (!ValidRow(row) || RowHeight(row) == 0) return false;
  if (row >= fixedRows_ && row < topRow_) return false;
  const qint64 room = ClientHeight();
  qint64 bottom = 0;
  for (int r = 0; r < std::min(row + 1, fixedRows_); ++r) bottom += RowHeight(r);
  for (int r = topRow_; r <= row && bottom <= room; ++r) bottom += RowHeight(r);
  return bottom <= room;
}

void FlexGridModel::BackColor(qint32 colour) {
  backColor_ = colour;
  Changed(Change::Cells);
}

qint32 FlexGridModel::CellBackColor() const { return CellBackColorAt(row_, col_).value_or(0); }

void FlexGridModel::CellBackColor(qint32 colour) {
  if (!HasCurrentCell()) return;
  auto& colours = columns_[col_].backColors;
  if (colours.empty()) colours.resize(heights_.size());
  colours[At(row_)] = colour;
  Changed(Change::Cells);
}

std::optional<qint32> FlexGridModel::CellBackColorAt(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col) || columns_[col].backColors.empty()) return std::nullopt;
  return columns_[col].backColors[At(row)];
}

void FlexGridModel::CellPicture(const QImage& picture) {
  if (!HasCurrentCell()) return;
  auto& pictures = columns_[col_].pictures;
  if (pictures.empty()) pictures.resize(heights_.size());
  pictures[At(row_)] = picture;
  Changed(Change::Cells);
}

QImage FlexGridModel::CellPictureAt(int row, int col) const {
  if (!ValidRow(row) || !ValidCol(col) || columns_[col].pictures.empty()) return QImage();
  return columns_[col].pictures[At(row)];
}

QString FlexGridModel::Clip() const {
  if (!HasCurrentCell()) return QString();
  auto [top, bottom] = std::minmax(row_, rowSel_);
  auto [left, right] = std::minmax(col_, colSel_);
  QString clip;
  for (int r = top; r <= bottom; ++r) {
    if (r > top) clip += QLatin1Char('\r');
    for (int c = left; c <= right; ++c) {
      if (c > left) clip += QLatin1Char('\t');
      clip += columns_[c].texts[At(r)];
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
