#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>

#include "installed_apps/flex_grid_model.h"

namespace {

// Keys are made once per row: numbers parsed, texts case-folded into one shared buffer. The
// four characters after the prefix that all texts share are packed into one number, so most
// comparisons of the sort read no text and none allocates.
struct SortKey {
  quint64 prefix = 0;
  double value = 0;
  quint32 start = 0;
  quint32 length = 0;
  int index = 0;
  bool isNumber = false;
};

// Cells filled from a line end keep its carriage return, so blanks around a number are ignored.
bool ReadNumber(QStringView text, double& value) {
  text = text.trimmed();
  if (text.isEmpty() || text.size() > 64) return false;
  char ascii[64];
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t c = text[i].unicode();
    if (c > 0x7F) return false;
    ascii[i] = static_cast<char>(c);
  }
  const char* begin = ascii;
  const char* end = ascii + text.size();
  if (*begin == '+') ++begin;  // from_chars takes no plus sign
  auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end && std::isfinite(value);
}

void AppendFolded(QStringView text, std::u16string& buffer) {
  bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
  if (!ascii) {
    QString folded = text.toString().toCaseFolded();
    buffer.append(reinterpret_cast<const char16_t*>(folded.utf16()), folded.size());
    return;
  }
  for (QChar c : text) {
    char16_t u = c.unicode();
    buffer.push_back(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u);
  }
}

class KeyTable {
 public:
  KeyTable(bool descending, int count) : descending_(descending) {
    keys_.reserve(count);
    texts_.reserve(size_t(count) * 24);
  }

  // Returns the key's place in the table.
  int Add(const QString& text, bool numeric, int index) {
    SortKey key;
    key.index = index;
    if (numeric && ReadNumber(text, key.value)) {
      key.isNumber = true;
    } else {
      key.start = static_cast<quint32>(texts_.size());
      AppendFolded(text, texts_);
      key.length = static_cast<quint32>(texts_.size() - key.start);
      NarrowCommonPrefix(key);
    }
    keys_.push_back(key);
    return static_cast<int>(keys_.size()) - 1;
  }

  // Numbers come before other texts in both directions.
  bool Before(const SortKey& x, const SortKey& y) const {
    if (x.isNumber != y.isNumber) return x.isNumber;
    int order = Compare(x, y);
    return descending_ ? order > 0 : order < 0;
  }

  int Compare(const SortKey& x, const SortKey& y) const {
    if (x.isNumber) return x.value < y.value ? -1 : x.value > y.value ? 1 : 0;
    if (x.prefix != y.prefix) return x.prefix < y.prefix ? -1 : 1;
    return Text(x).compare(Text(y));
  }

  // The indexes of the keys at the given places, sorted; equal keys keep the places' order.
  std::vector<int> Order(const std::vector<int>& places) {
    std::vector<SortKey> sorted;
    sorted.reserve(places.size());
    for (int place : places) {
      SortKey key = keys_[place];
      if (!key.isNumber)
        for (quint32 i = common_; i < common_ + 4; ++i)
          key.prefix = key.prefix << 16 | (i < key.length ? texts_[key.start + i] : 0);
      sorted.push_back(key);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [this](const SortKey& x, const SortKey& y) { return Before(x, y); });
    std::vector<int> order;
    order.reserve(sorted.size());
    for (const SortKey& key : sorted) order.push_back(key.index);
    return order;
  }

 private:
  std::u16string_view Text(const SortKey& key) const {
    return std::u16string_view(texts_).substr(key.start, key.length);
  }

  void NarrowCommonPrefix(const SortKey& key) {
    if (!firstText_) {
      common_ = std::min(common_, key.length);
      quint32 i = 0;
      while (i < common_ && texts_[firstStart_ + i] == texts_[key.start + i]) ++i;
      common_ = i;
      return;
    }
    firstText_ = false;
    firstStart_ = key.start;
    common_ = key.length;
  }

  bool descending_;
  std::vector<SortKey> keys_;
  std::u16string texts_;
  bool firstText_ = true;
  quint32 firstStart_ = 0;
  quint32 common_ = 0;
};

// Puts the items into the given order of their indexes.
template <typename T>
void Reorder(std::vector<T>& items, const std::vector<int>& order) {
  if (items.empty()) return;
  std::vector<T> sorted;
  sorted.reserve(order.size());
  for (int i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
}

}  // namespace

void FlexGridModel::Sort(int code) {
  if (code < flexgrid::kSortNumericAscending || code > flexgrid::kSortStringNoCaseDescending) return;
  bool numeric = code <= flexgrid::kSortNumericDescending;
  bool descending = code == flexgrid::kSortNumericDescending || code == flexgrid::kSortStringNoCaseDescending;

  int first = fixedRows_;
  int count = Rows() - first;
  if (count < 2 || !ValidCol(col_)) return;
  // Keys are read in the order the cells are stored, which is the order their texts were
  // made in, then arranged in row order, so that equal keys keep the rows' order.
  constexpr int kNotSorted = -1;
  std::vector<int> place(Rows(), kNotSorted);
  for (int r = first; r < Rows(); ++r) place[At(r)] = 0;
  KeyTable keys(descending, count);
  const std::vector<QString>& keyTexts = columns_[col_].texts;
  for (int p = 0; p < Rows(); ++p)
    if (place[p] != kNotSorted) place[p] = keys.Add(keyTexts[p], numeric, p);
  std::vector<int> places;
  places.reserve(count);
  for (int r = first; r < Rows(); ++r) places.push_back(place[At(r)]);
  std::vector<int> order = keys.Order(places);
  std::copy(order.begin(), order.end(), physical_.begin() + first);
  Changed(flexgrid::Change::Cells);
}

void FlexGridModel::StoreInRowOrder() {
  for (Column& column : columns_) {
    Reorder(column.texts, physical_);
    Reorder(column.backColors, physical_);
    Reorder(column.pictures, physical_);
  }
  Reorder(heights_, physical_);
  std::iota(physical_.begin(), physical_.end(), 0);
}
