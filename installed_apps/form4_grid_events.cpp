// What the installed-apps window does with its filled grid: size, header sort, hover and tip,
// search, wheel, context menu, copy and closing.

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "installed_apps/form4.h"
#include "installed_apps/grid_filter.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/scroll_grid_page.h"
#include "main_window/morvell.h"
#include "platform/dialogs.h"
#include "runner/form_building.h"
#include "runner/module1.h"
#include "runner/mouse_wheel_hook.h"
#include "runner/vb_color.h"

namespace {
constexpr qint32 kHoverColour = vbcolor::Rgb(255, 255, 111);
constexpr int kFirstNumericCol = 3;  // build, sizes and row number sort as numbers
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
}  // namespace

void Form4::Form_Resize() {
  MSFlexGrid1->Width(Twips(width()) - 440);
  MSFlexGrid1->Height(Twips(height()) - 1500);
}

void Form4::MSFlexGrid1_Click() {
  MSFlexGrid* grid = MSFlexGrid1;
  grid->Redraw(false);
  if (grid->MouseRow() == 0 && grid->MouseCol() > grid->FixedCols() - 1) {
    grid->Col(grid->MouseCol());
    if (grid->Col() != LastSortCol) grid->Tag(QStringLiteral("0"));
    const int last = grid->Tag().toInt();
    const bool numeric = grid->Col() >= kFirstNumericCol;
    int code;
    if (last == 0 || last == 6 || last == 4)
      code = numeric ? flexgrid::kSortNumericAscending : flexgrid::kSortStringNoCaseAscending;
    else
      code = numeric ? flexgrid::kSortNumericDescending : flexgrid::kSortStringNoCaseDescending;
    grid->Sort(code);
    grid->Tag(QString::number(code));
    LastSortCol = static_cast<qint16>(grid->Col());
    grid->Col(0);
    grid->Row(0);
  }
  grid->Redraw(true);
}

void Form4::MSFlexGrid1_MouseMove(int Button, int, float, float) {
  if (!ListLoaded) return;
  MSFlexGrid* grid = MSFlexGrid1;
  const int mouseRow = grid->MouseRow();
  const int mouseCol = grid->MouseCol();
  HoverCell(mouseRow, mouseCol);
  // The tip is decided once per cell entered with no button held.
  if (Button == 0 && (mouseRow + 1 != tipRow_ || mouseCol + 1 != tipCol_)) {
    tipRow_ = mouseRow + 1;
    tipCol_ = mouseCol + 1;
    const QString text = grid->TextMatrix(mouseRow, mouseCol);
    const bool cutOff = Twips(grid->fontMetrics().horizontalAdvance(text)) > grid->ColWidth(mouseCol);
    grid->ToolTipText(cutOff ? text : QString());
  }
}

// The hover colour marks the cell under the pointer, and that cell is the current cell and the
// whole selection: the context menu's actions take their app from it.
void Form4::HoverCell(int row, int col) {
  if (!ListLoaded) return;
  MSFlexGrid* grid = MSFlexGrid1;
  // The load draws its icons through the current cell, so it can stand elsewhere than the hover.
  const bool current = grid->Row() == row && grid->Col() == col && grid->RowSel() == row && grid->ColSel() == col;
  if (row == HoverRow && col == HoverCol && current) return;
  grid->Row(HoverRow);
  grid->Col(HoverCol);
  grid->CellBackColor(grid->BackColor());
  grid->Row(row);
  grid->Col(col);
  grid->CellBackColor(kHoverColour);
  HoverCol = grid->Col();
  HoverRow = grid->Row();
}

// A pointer that stood still while the grid paged or filtered now stands over another row. Only
// the grid itself counts as under the pointer, and only while no menu or box is open: a menu
// opens with its corner at the pointer, so the grid can still be under it, and the open menu or
// dialog acts on the row that the user chose.
void Form4::HoverUnderPointer(const QPoint& globalPosition) {
  if (platform::ModalOrPopupOpen()) return;
  if (QApplication::widgetAt(globalPosition) != MSFlexGrid1->viewport()) return;
  if (MSFlexGrid1->PointerAt(globalPosition)) HoverCell(MSFlexGrid1->MouseRow(), MSFlexGrid1->MouseCol());
}

void Form4::MSFlexGrid1_MouseDown(int Button, int, float, float) {
  // The pointer may have reached this cell without a move of its own (a dismissed menu).
  HoverCell(MSFlexGrid1->MouseRow(), MSFlexGrid1->MouseCol());
  if (Button == kRightButton || (Button == kLeftButton && MSFlexGrid1->ColSel() == kIconCol))
    mnuNew->popup(QCursor::pos());
}

void Form4::txtSearch_Change() { SearchPending = true; }

void Form4::tmrSearch_Timer() {
  // Filters once per pause in typing: at the first tick that finds the text unchanged.
  const bool due = SearchPending && txtSearch->text() == lastSearchText_;
  lastSearchText_ = txtSearch->text();
  // A filter would hide or shift the row that an open menu or dialog acts on; it waits for the
  // first tick after that window has closed.
  if (!due || platform::ModalOrPopupOpen()) return;
  SearchPending = false;
  FilterGrid();
}

void Form4::FilterGrid() {
  FilterRows(MSFlexGrid1, txtSearch->text(), DefaultRowHeight);
  HoverUnderPointer(QCursor::pos());
}

void Form4::MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
  for (MSFlexGrid* grid : findChildren<MSFlexGrid*>())
    if (PointInWindow(grid->hWnd(), Xpos, Ypos)) ScrollGridPage(grid, MouseKeys, Rotation, Xpos, Ypos);
  HoverUnderPointer(QPoint(Xpos, Ypos));
}

void Form4::mnuCopy_Click() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(MSFlexGrid1->Clip());
}

void Form4::Form_Unload() {
  UnhookMouseWheel(this);
  tmrSearch->stop();
  Module1::AppsWindowClosed = true;
  if (mainWindow_) {
    mainWindow_->Command9->setEnabled(false);
    mainWindow_->show();
  }
}
