#pragma once
// Form4: the installed-apps window. Its load lists the headset's apps into the grid MSFlexGrid1
// (form4_load.cpp); the grid's sorting, hover, tip, search, wheel, context menu and closing are
// in form4_grid_events.cpp, its controls in form4_layout.cpp. The per-app actions of the context
// menu live in their own files and declare their handlers in the section at the end.
//
// The main window owns the one Form4 (morvell::Form4Instance(), created on first use and kept,
// hidden, after it closes).

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "runner/dos_outputs.h"
#include "installed_apps/marker_parse.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class MSFlexGrid;
class PictureBox;
class Form5;
class Form8;
class morvell;
namespace app_actions {
struct SelectedApp;
}

class Form4 : public QWidget {
  Q_OBJECT
 public:
  Form4(morvell* mainWindow, Form5* progressWindow, QWidget* parent = nullptr);
  ~Form4() override;

  // Loads the window on its first showing (Form_Load), then shows it.
  void Show();

  // ---- Loading (form4_load.cpp)
  // Form_Load in its three phases: the count and the header row, the listing script's run, and
  // the grid filled from its output.
  void Form_Load();
  void PrepareListing();
  void RunListing();
  void ShowListing();
  void objDOS_ReceiveOutputs(QString& CommandOutputs);
  // Fits every column to its widest text, header and hidden rows included.
  void AutoSizeColumns(MSFlexGrid* Grid, QLabel* Label);

  // ---- The grid (form4_grid_events.cpp)
  void Form_Resize();
  void MSFlexGrid1_Click();
  void MSFlexGrid1_MouseMove(int Button, int Shift, float X, float Y);
  void MSFlexGrid1_MouseDown(int Button, int Shift, float X, float Y);
  void txtSearch_Change();
  void tmrSearch_Timer();
  void mnuCopy_Click();
  void Form_Unload();
  // Called by name by the mouse-wheel hook; the point is in global screen pixels.
  Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos);

  static constexpr int kIconCol = 9;  // the gear; a left click there opens the menu too

  // ---- Window state
  std::unique_ptr<DOSOutputs> objDOS;
  QString Quote;
  QString OutputBuffer;
  QString CmdResult;
  bool BatchDone = false;
  bool ListLoaded = false;
  QString AppCount;
  int DefaultRowHeight = 0;
  qint16 LastSortCol = 0;
  qint32 HoverRow = 0;
  qint32 HoverCol = 0;
  bool SearchPending = false;

  // ---- Controls (objectName = member name)
  MSFlexGrid* MSFlexGrid1 = nullptr;
  QLabel* lblTemp = nullptr;     // never shown; measures text
  PictureBox* Picture1 = nullptr;  // the gear drawn into column 9
  QGroupBox* Frame1 = nullptr;   // "Search"
  QLineEdit* txtSearch = nullptr;
  QTimer* tmrSearch = nullptr;

  // The context menu, items in this order; each per-app action connects its own item.
  QMenu* mnuNew = nullptr;
  QAction* mnuCopy = nullptr;
  QAction* mnu_backup_apk = nullptr;
  QAction* mnu_backup_apk_obb = nullptr;
  QAction* mnu_uninstall = nullptr;
  QAction* mnu_startAPK = nullptr;
  QAction* mnu_NonRootBackup = nullptr;
  QAction* mnu_Restore = nullptr;
  QAction* mnu_Permissions = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();  // form4_layout.cpp
  void FilterGrid();
  void HoverCell(int row, int col);
  void HoverUnderPointer(const QPoint& globalPosition);
  void FillGrid(const QList<AppListRow>& rows);
  void SortAfterLoad();
  void NumberRows();
  void DrawGears();

  morvell* mainWindow_;
  Form5* progressWindow_;
  bool loaded_ = false;
  MarkerCounter markers_;
  // Statics of the handlers: the cell whose tip was decided last (row + 1, column + 1) and the
  // search text at the previous tick.
  qint32 tipRow_ = 0;
  qint32 tipCol_ = 0;
  QString lastSearchText_;

 public:
  // ---- Per-app actions (form4_actions.cpp), each on the package in column 1 of the selected row.
  void mnu_startAPK_Click();
  void mnu_uninstall_Click();
  void mnu_backup_apk_Click();
  void mnu_backup_apk_obb_Click();
  void mnu_NonRootBackup_Click();
  void mnu_Restore_Click();
  void mnu_Permissions_Click();

  // TextMatrix(RowSel, 1) as it stands; none while the selection is the header, a hidden row or
  // no row at all, so that no action runs on a row the user did not see.
  std::optional<QString> SelectedPackageCell() const;
  Form8* PermissionsDialog() const;  // nullptr until opened or after its close box
  QString LastUninstalled;  // the cell of the last uninstall request that ran

 private:
  void ConnectAppActions();
  void WithSelectedApp(const std::function<void(const app_actions::SelectedApp&)>& action);
  QPointer<Form8> form8_;
};
