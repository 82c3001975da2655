#pragma once
#include <QString>

class FlexGridModel;

// The installed-apps search: a row stays shown (at shownHeight) when any of its cells holds the
// text, letter case ignored; every other row is hidden. An empty text shows every row.
void FilterRows(FlexGridModel* grid, const QString& text, int shownHeight);
