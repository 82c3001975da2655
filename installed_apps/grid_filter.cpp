#include "installed_apps/grid_filter.h"

#include "installed_apps/flex_grid_model.h"

void FilterRows(FlexGridModel* grid, const QString& text, int shownHeight) {
  grid->Redraw(false);
  for (int row = grid->FixedRows(); row < grid->Rows(); ++row) {
    bool match = text.isEmpty();
    for (int col = grid->FixedCols(); col < grid->Cols() && !match; ++col)
      match = grid->TextMatrix(row, col).contains(text, Qt::CaseInsensitive);
    grid->RowHeight(row, match ? shownHeight : 0);
  }
  grid->Redraw(true);
}
