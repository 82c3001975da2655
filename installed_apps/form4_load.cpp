// Loading the installed-apps window: the app count, the listing script and the grid it fills.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "installed_apps/app_list_script.h"
#include "installed_apps/cell_picture.h"
#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/progress_window.h"
#include "runner/command_error_log.h"
#include "runner/form_building.h"
#include "runner/mouse_wheel_hook.h"
#include "runner/picture_box.h"

namespace {

struct Column {
  QString header;
  int width;
  int alignment;  // 0: the grid's own
};

const std::array<Column, 9>& Columns() {
  static const std::array<Column, 9> columns{{
      {QStringLiteral("App Name"), 4800, 0},
      {QStringLiteral("Package Name"), 5200, 0},
      {QStringLiteral("版本     "), 4500, flexgrid::kAlignLeftCenter},
      {QStringLiteral("Build"), 1360, flexgrid::kAlignCenterCenter},
      {QStringLiteral("Used Space"), 1260, 0},
      {QStringLiteral("Used APK Space"), 1700, 0},
      {QStringLiteral("Used OBB Space"), 1700, 0},
      {QStringLiteral("Used App Data"), 1500, 0},
      {QStringLiteral("<- Click to sort"), 1500, flexgrid::kAlignCenterCenter},
  }};
  return columns;
}

}  // namespace

void Form4::Form_Load() {
  PrepareListing();
  RunListing();
  ShowListing();
}

void Form4::PrepareListing() {
  objDOS = std::make_unique<DOSOutputs>();
  objDOS->ReceiveOutputs = [this](QString& chunk) { objDOS_ReceiveOutputs(chunk); };
  Quote = QStringLiteral("\"");
  HoverCol = 2;
  HoverRow = 2;

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = screen->geometry().size();
    resize(Pixels(Twips(size.width()) - 2960), Pixels(Twips(size.height()) - 3000));
    MSFlexGrid1->Width(Twips(size.width()) - 3400);
  }
  tmrSearch->start(500);
  HookMouseWheel(this);

  // The bare name: the program's folder is searched first, then PATH.
  objDOS->CommandLine(QStringLiteral("adb shell ") + Quote + QStringLiteral("pm list packages -3 |wc -l") + Quote);
  AppCount = CleanAppCount(objDOS->ExecuteCommand());
  if (progressWindow_) progressWindow_->Label1->setText(QStringLiteral("Processing Apps: 0 of ") + AppCount);

  DefaultRowHeight = MSFlexGrid1->RowHeight(0);
  for (int col = 0; col < static_cast<int>(Columns().size()); ++col) {
    const Column& column = Columns()[col];
    MSFlexGrid1->TextMatrix(0, col, column.header);
    MSFlexGrid1->ColWidth(col, column.width);
    if (column.alignment != 0) MSFlexGrid1->ColAlignment(col, column.alignment);
  }
}

void Form4::RunListing() {
  const AppListScriptFile script(AppListScript());
  if (script.Written()) {
    objDOS->CommandLine(script.CommandLine());
    objDOS->ExecuteCommand();
  } else {
    ReportCommandNotStarted(script.CommandLine());
  }
  BatchDone = true;
}

void Form4::ShowListing() {
  FillGrid(ParseMarkerLines(OutputBuffer));
  SortAfterLoad();
  NumberRows();
  ListLoaded = true;
  if (progressWindow_) progressWindow_->hide();

  AutoSizeColumns(MSFlexGrid1, lblTemp);
  MSFlexGrid1->ColWidth(kIconCol, 300);
  MSFlexGrid1->ColAlignment(kIconCol, flexgrid::kAlignCenterCenter);
  if (MSFlexGrid1->ColWidth(2) > 4800) MSFlexGrid1->ColWidth(2, 4800);
  DrawGears();
  OutputBuffer.clear();
}

void Form4::objDOS_ReceiveOutputs(QString& CommandOutputs) {
  OutputBuffer += CommandOutputs;
  if (BatchDone) return;
  // The progress window repaints only here while the list loads.
  QCoreApplication::processEvents();
  const int begun = markers_.Add(CommandOutputs);
  if (AppCount.isEmpty()) AppCount = QStringLiteral("0");
  if (!progressWindow_) return;
  progressWindow_->Label1->setText(ProgressCaption(begun, AppCount));
  if (const std::optional<int> bar = ProgressBarTwips(begun, AppCount)) progressWindow_->DrawProgressBar(*bar);
}

void Form4::FillGrid(const QList<AppListRow>& rows) {
  MSFlexGrid1->Redraw(false);
  MSFlexGrid1->Rows(1 + static_cast<int>(rows.size()));
  for (int r = 0; r < rows.size(); ++r)
    for (int col = 0; col < static_cast<int>(rows[r].size()); ++col)
      if (!rows[r][col].isEmpty()) MSFlexGrid1->TextMatrix(r + 1, col, rows[r][col]);
  MSFlexGrid1->Redraw(true);
}

void Form4::SortAfterLoad() {
  MSFlexGrid1->Redraw(false);
  MSFlexGrid1->Col(0);
  MSFlexGrid1->Sort(flexgrid::kSortStringNoCaseAscending);
  MSFlexGrid1->Tag(QStringLiteral("5"));
  LastSortCol = static_cast<qint16>(MSFlexGrid1->Col());
  MSFlexGrid1->Col(0);
  MSFlexGrid1->Row(0);
  MSFlexGrid1->Redraw(true);
}

void Form4::NumberRows() {
  MSFlexGrid1->Redraw(false);
  for (int k = 1; k < MSFlexGrid1->Rows(); ++k) MSFlexGrid1->TextMatrix(k, 8, QString::number(k));
  MSFlexGrid1->Redraw(true);
}

void Form4::DrawGears() {
  MSFlexGrid1->Redraw(false);
  for (int r = 1; r < MSFlexGrid1->Rows(); ++r)
    SetCellPicture(this, MSFlexGrid1, Picture1->Picture(), r, kIconCol, 16, 16, 0xFFFFFF);
  MSFlexGrid1->Redraw(true);
}

void Form4::AutoSizeColumns(MSFlexGrid* Grid, QLabel* Label) {
  Label->setFont(Grid->Font());
  Label->setWordWrap(false);
  // The label's own width for a text is its font's advance for it.
  const QFontMetrics metrics = Label->fontMetrics();
  for (int col = Grid->FixedCols(); col < Grid->Cols(); ++col) {
    int widest = 0;
    for (int row = 0; row < Grid->Rows(); ++row)
      widest = std::max(widest, Twips(metrics.horizontalAdvance(Grid->TextMatrix(row, col))) + 100);
    Grid->ColWidth(col, widest);
  }
}
