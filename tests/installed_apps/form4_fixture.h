#pragma once
#include <QCoreApplication>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "installed_apps/app_list_fake_device.h"
#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/progress_window.h"
#include "main_window/morvell.h"
#include "runner/form_building.h"
#include "support/gtest_qt.h"
#include "support/main_window_fixture.h"
#include "support/temp_folder.h"

// A main window (without a runner) with its installed-apps window; the fake adb plays a headset;
// the temporary folder is the test's own.
class Form4Test : public MainWindowTest {
 protected:
  void SetUp() override { NewWindow(false); }
  Form4* Load(const QList<FakeApp>& apps) {
    folder.setScenario("adb", AppListScenario(apps));
    folder.clearCalls();
    Form4* form = window->Form4Instance();
    form->Show();
    QCoreApplication::processEvents();
    return form;
  }
  MSFlexGrid* Grid() { return window->Form4Instance()->MSFlexGrid1; }
  QStringList Column(int col) {
    QStringList cells;
    for (int r = 1; r < Grid()->Rows(); ++r) cells << Grid()->TextMatrix(r, col);
    return cells;
  }
  // The centre of a cell in the grid's viewport (rows counted from TopRow, columns from LeftCol).
  QPoint CellCentre(int row, int col) {
    QPoint at(Pixels(Grid()->ColWidth(col)) / 2, Pixels(Grid()->RowHeight(row)) / 2);
    for (int c = Grid()->LeftCol(); c < col; ++c) at.rx() += Pixels(Grid()->ColWidth(c));
    for (int r = row ? Grid()->TopRow() : row; r < row; ++r) at.ry() += Pixels(Grid()->RowHeight(r));
    if (row) at.ry() += Pixels(Grid()->RowHeight(0));
    return at;
  }
  // The pointer to the centre of a cell.
  void Mouse(int row, int col, Qt::MouseButtons held = {}, QEvent::Type type = QEvent::MouseMove,
             Qt::MouseButton button = Qt::NoButton) {
    const QPoint at = CellCentre(row, col);
    QMouseEvent event(type, at, Grid()->viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(Grid()->viewport(), &event);
  }

  ScopedTempFolder temp;
};

// A wheel turn as from the window system, so that the grid passes it up to the window's hook.
inline void Turn(QWidget* target, QPoint at, int delta) {
  QWheelEvent event(at, target->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&event);
  qApp->notify(target, &event);
}

// Apps of these labels: packages com.app0, com.app1, ..., builds 9, 10, ..., sizes 0.5, 1.5, ...
inline QList<FakeApp> LabelledApps(const QStringList& labels) {
  QList<FakeApp> apps;
  for (int i = 0; i < labels.size(); ++i)
    apps.append({QStringLiteral("com.app%1").arg(i), QStringLiteral("%1.5 %1.0 0.5 0.0").arg(i), QString(),
                 QStringLiteral("application-label:'%1'").arg(labels[i]),
                 QStringLiteral("versionCode: %1 minSdk: 29\nversionName: %1.0").arg(i + 9)});
  return apps;
}
