#include "installed_apps/scroll_grid_page.h"

#include <algorithm>

#include "installed_apps/flex_grid_model.h"

void ScrollGridPage(FlexGridModel* Grid, int, int Rotation, int, int) {
  if (!Grid || Grid->RowHeight(0) <= 0) return;
  const int fits = Grid->Height() / Grid->RowHeight(0);
  if (fits > Grid->Rows()) return;
  // The last row shown whole below TopRow sets the page. When none is (hidden rows, or TopRow
  // already the last row), the page is what fits, so a turn always moves and can come back.
  int page = fits;
  while (page > 0 && !Grid->RowIsVisible(Grid->TopRow() + page)) --page;
  if (page == 0) page = std::max(1, fits);
  int top = Rotation > 0 ? std::max(1, Grid->TopRow() - page) : std::min(Grid->Rows() - 1, Grid->TopRow() + page);
  Grid->TopRow(top);
}
