#include <algorithm>
#include <cmath>
#include <numeric>

#include "installed_apps/flex_grid_model.h"

namespace {

struct SortKey {
  bool isNumber = false;
  double value = 0;
  QString folded;
};

// Cells filled from a line end keep its carriage return, so blanks around a number are ignored.
SortKey MakeKey(const QString& text, bool numeric) {
  SortKey key;
  if (numeric) {
    bool ok = false;
    double value = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(value)) {
      key.isNumber = true;
      key.value = value;
      return key;
    }
  }
  key.folded = text.toCaseFolded();
  return key;
}

bool Before(const SortKey& a, const SortKey& b, bool descending) {
  if (a.isNumber != b.isNumber) return a.isNumber;
  if (a.isNumber) return descending ? a.value > b.value : a.value < b.value;
  int order = a.folded.compare(b.folded);
  return descending ? order > 0 : order < 0;
}

}  // namespace

void FlexGridModel::Sort(int code) {
  if (code < flexgrid::kSortNumericAscending || code > flexgrid::kSortStringNoCaseDescending) return;
  bool numeric = code <= flexgrid::kSortNumericDescending;
  bool descending = code == flexgrid::kSortNumericDescending || code == flexgrid::kSortStringNoCaseDescending;

  int first = fixedRows_;
  int count = Rows() - first;
  if (count < 2) return;
  std::vector<SortKey> keys(count);
  for (int i = 0; i < count; ++i) keys[i] = MakeKey(rows_[first + i].cells[col_].text, numeric);
  std::vector<int> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return Before(keys[a], keys[b], descending); });

  std::vector<RowData> sorted;
  sorted.reserve(count);
  for (int i : order) sorted.push_back(std::move(rows_[first + i]));
  std::move(sorted.begin(), sorted.end(), rows_.begin() + first);
  Changed(flexgrid::Change::Cells);
}
