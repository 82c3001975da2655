#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <memory>

#include "installed_apps/app_list_fake_device.h"
#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/progress_window.h"
#include "installed_apps/qstring_print.h"
#include "installed_apps/temp_folder.h"
#include "main_window/morvell.h"
#include "runner/form_building.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

// A main window, its progress window and installed-apps window; the fake adb plays a headset;
// the temporary folder is the test's own.
class Form4Test : public ::testing::Test {
 protected:
  void SetUp() override { Module1::ResetSharedState(); }
  void TearDown() override {
    main.reset();
    Module1::ResetSharedState();
  }

  // Loads the window with these apps (labels "Label <package>" unless the app says otherwise).
  Form4* Load(const QList<FakeApp>& apps, const QString& eol = QStringLiteral("\n")) {
    folder.setScenario("adb", AppListScenario(apps, eol));
    folder.clearCalls();
    Form4* form = main->Form4Instance();
    form->Show();
    QCoreApplication::processEvents();
    return form;
  }
  MSFlexGrid* Grid() { return main->Form4Instance()->MSFlexGrid1; }
  QStringList Column(int col) {
    QStringList cells;
    for (int r = 1; r < Grid()->Rows(); ++r) cells << Grid()->TextMatrix(r, col);
    return cells;
  }

  // The pointer over a cell, as the grid sees it (row and column counted from the shown ones).
  QPoint CellCentre(int row, int col) {
    int x = 0;
    for (int c = Grid()->LeftCol(); c < col; ++c) x += Pixels(Grid()->ColWidth(c));
    int y = row == 0 ? 0 : Pixels(Grid()->RowHeight(0));
    for (int r = Grid()->TopRow(); row > 0 && r < row; ++r) y += Pixels(Grid()->RowHeight(r));
    return {x + Pixels(Grid()->ColWidth(col)) / 2, y + Pixels(Grid()->RowHeight(row)) / 2};
  }
  void Mouse(QEvent::Type type, int row, int col, Qt::MouseButton button = Qt::NoButton,
             Qt::MouseButtons held = Qt::NoButton) {
    const QPoint at = CellCentre(row, col);
    QMouseEvent event(type, at, Grid()->viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(Grid()->viewport(), &event);
  }
  void MoveTo(int row, int col, Qt::MouseButtons held = Qt::NoButton) {
    Mouse(QEvent::MouseMove, row, col, Qt::NoButton, held);
  }

  ScopedTempFolder temp;
  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<morvell> main = std::make_unique<morvell>();
};

// Apps whose labels are given, packages com.app0, com.app1, ...
inline QList<FakeApp> LabelledApps(const QStringList& labels) {
  QList<FakeApp> apps;
  for (int i = 0; i < labels.size(); ++i) {
    FakeApp app{QStringLiteral("com.app%1").arg(i)};
    app.badging = QStringLiteral("application-label:'%1'").arg(labels[i]);
    app.versions = QStringLiteral("versionCode: %1 minSdk: 29\nversionName: %1.0").arg(i + 9);
    app.sizes = QStringLiteral("%1.5 %1.0 0.5 0.0").arg(i);
    apps.append(app);
  }
  return apps;
}
