// The grid at app-list scale: fill 10 columns cell by cell, sort, filter every row, page once and
// paint a 1920 x 1080 view; each step as a ratio to the fill of the same run, and the growth of
// fill, sort and filter from 1,000 to 10,000 rows. The fill is measured twice on a shown grid:
// painting on (a repaint request per cell) and painting off until the rows are filled.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "installed_apps/grid_filter.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/scroll_grid_page.h"

namespace {

constexpr int kCols = 10;

struct Times {
  double fill = 1e9, quietFill = 1e9, sortText = 1e9, sortNumber = 1e9, filter = 1e9, search = 1e9, scroll = 1e9, paint = 1e9;
};

// Cell texts as the app list has them (the line end kept in cells filled from a line's end).
std::vector<QString> MakeTexts(int rows) {
  std::vector<QString> texts;
  texts.reserve(size_t(rows) * kCols);
  for (int r = 1; r <= rows; ++r) {
    int k = (r * 7919) % rows;
    texts.push_back(QStringLiteral("Some App %1").arg(k));
    texts.push_back(QStringLiteral("com.example.app%1 \r").arg(k));
    texts.push_back(QStringLiteral("1.%1.%2\r").arg(k % 17).arg(k % 5));
    texts.push_back(QString::number(1000 + k % 977));
    for (int c = 4; c < 8; ++c) texts.push_back(QStringLiteral("%1.%2\r").arg(k % (c * 113)).arg(k % 10));
    texts.push_back(QString::number(r));
    texts.push_back(QString());
  }
  return texts;
}

template <typename Step>
double Seconds(Step step) {
  QElapsedTimer timer;
  timer.start();
  step();
  return timer.nsecsElapsed() / 1e9;
}

// A shown grid of the app list's shape with empty cells.
void SetUp(MSFlexGrid& grid, int rows) {
  grid.resize(1920, 1080);
  grid.show();
  QApplication::processEvents();
  grid.FixedCols(0);
  grid.Cols(kCols);
  grid.Rows(rows + 1);
}

void Fill(MSFlexGrid& grid, int rows, const std::vector<QString>& texts) {
  size_t i = 0;
  for (int r = 1; r <= rows; ++r)
    for (int c = 0; c < kCols; ++c) grid.TextMatrix(r, c, texts[i++]);
}

void OneRun(int rows, const std::vector<QString>& texts, Times& best) {
  Times t;
  {
    MSFlexGrid quiet;
    SetUp(quiet, rows);
    t.quietFill = Seconds([&] {
      quiet.Redraw(false);
      Fill(quiet, rows, texts);
      quiet.Redraw(true);
    });
  }
  MSFlexGrid grid;
  SetUp(grid, rows);
  t.fill = Seconds([&] { Fill(grid, rows, texts); });
  grid.Col(0);
  t.sortText = Seconds([&] { grid.Sort(5); });
  grid.Col(4);
  t.sortNumber = Seconds([&] { grid.Sort(4); });
  int shown = grid.RowHeight(0);
  t.search = Seconds([&] { FilterRows(&grid, QStringLiteral("app7"), shown); });
  t.filter = Seconds([&] {
    grid.Redraw(false);
    for (int r = 1; r <= rows; ++r) grid.RowHeight(r, r % 3 ? shown : 0);
    grid.Redraw(true);
  });
  grid.TopRow(rows / 2);
  t.scroll = Seconds([&] { ScrollGridPage(&grid, 0, -120, 0, 0); });
  QImage image(grid.viewport()->size(), QImage::Format_RGB32);
  t.paint = Seconds([&] { grid.viewport()->render(&image); });

  best.fill = std::min(best.fill, t.fill);
  best.quietFill = std::min(best.quietFill, t.quietFill);
  best.sortText = std::min(best.sortText, t.sortText);
  best.sortNumber = std::min(best.sortNumber, t.sortNumber);
  best.filter = std::min(best.filter, t.filter);
  best.search = std::min(best.search, t.search);
  best.scroll = std::min(best.scroll, t.scroll);
  best.paint = std::min(best.paint, t.paint);
}

Times Measure(int rows) {
  std::vector<QString> texts = MakeTexts(rows);
  Times best;
  for (int i = 0; i < 5; ++i) OneRun(rows, texts, best);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Times small = Measure(1000);
  Times large = Measure(10000);

  std::printf("10,000 rows x %d columns, best of 5 runs\n", kCols);
  std::printf("  fill through TextMatrix  %8.3f ms (1.000)\n", large.fill * 1e3);
  auto line = [&](const char* name, double seconds) {
    std::printf("  %-24s %8.3f ms (%.3f of the fill)\n", name, seconds * 1e3, seconds / large.fill);
  };
  line("fill, Redraw off", large.quietFill);
  line("Sort 5 (text)", large.sortText);
  line("Sort 4 (numeric)", large.sortNumber);
  line("filter (every RowHeight)", large.filter);
  line("search + filter", large.search);
  line("one ScrollGridPage", large.scroll);
  line("paint 1920 x 1080", large.paint);

  const double nLogN = 10000 * std::log(10000.0) / (1000 * std::log(1000.0));
  std::printf("growth 1,000 -> 10,000 rows (linear 10.0, n log n %.1f)\n", nLogN);
  std::printf("  fill %.1f, Sort 5 %.1f, Sort 4 %.1f, filter %.1f, search + filter %.1f\n", large.fill / small.fill,
              large.sortText / small.sortText, large.sortNumber / small.sortNumber, large.filter / small.filter,
              large.search / small.search);
  return 0;
}
