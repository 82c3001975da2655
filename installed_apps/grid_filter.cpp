#include "installed_apps/grid_filter.h"

#include <QStringMatcher>

#include "installed_apps/flex_grid_model.h"

void FilterRows(FlexGridModel* grid, const QString& text, int shownHeight) {
  const QStringMatcher matcher(text, Qt::CaseInsensitive);  // prepared once for every cell
  grid->Redraw(false);
  for (int row = grid->FixedRows(); row < grid->Rows(); ++row) {
    bool match = text.isEmpty();
    for (int col = grid->FixedCols(); col < grid->Cols() && !match; ++col)
      match = matcher.indexIn(grid->CellText(row, col)) >= 0;
    grid->RowHeight(row, match ? shownHeight : 0);
  }
  grid->Redraw(true);
}
