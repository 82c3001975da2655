#include "installed_apps/scroll_grid_page.h"

#include <algorithm>

#include "installed_apps/flex_grid_model.h"

namespace {

// Rows that a search hides have height 0; these find the rows it left shown.
int FirstShownFrom(const FlexGridModel& grid, int row) {
  for (int r = row; r < grid.Rows(); ++r)
    if (grid.RowHeight(r) > 0) return r;
  return -1;
}

int LastShownBefore(const FlexGridModel& grid, int row) {
  for (int r = row - 1; r >= grid.FixedRows(); --r)
    if (grid.RowHeight(r) > 0) return r;
  return -1;
}

}  // namespace

void ScrollGridPage(FlexGridModel* Grid, int, int Rotation, int, int) {
  if (!Grid || Grid->RowHeight(0) <= 0) return;
  const int fits = Grid->Height() / Grid->RowHeight(0);
  if (fits > Grid->Rows()) return;
  // The last row shown whole below TopRow sets the page; when none is, no page can be measured.
  const int from = Grid->TopRow();
  int page = fits;
  while (page > 0 && !Grid->RowIsVisible(from + page)) --page;
  int top;
  if (Rotation > 0) {
    // Up by the page, or by what fits, so that a turn down can always be undone; when a search
    // hid every row from there on, the nearest shown row above comes to the top instead.
    top = std::max(1, from - (page > 0 ? page : std::max(1, fits)));
    if (int above = LastShownBefore(*Grid, top); above > 0 && FirstShownFrom(*Grid, top) < 0) top = above;
  } else {
    // Down onto the next shown row when none is shown whole; with none after TopRow, stay.
    top = page > 0 ? from + page : FirstShownFrom(*Grid, from + 1);
    if (top < 0) return;
  }
  Grid->TopRow(top);
}
