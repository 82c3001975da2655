#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QCheckBox>

#include "installed_apps/permissions_dialog.h"

#include "installed_apps/form4_fixture.h"
#include "runner/vb_color.h"

namespace {

// The context menu acts on the row under the pointer when it opened, whatever moved beneath a
// pointer that stood still, and never on the header or a row the user cannot see.
class Form4TargetRow : public Form4Test {
 protected:
  void Search(const QString& text) {
    form->txtSearch->setText(text);
    form->tmrSearch_Timer();
    form->tmrSearch_Timer();
  }
  void RightPress(int row, int col) { Mouse(row, col, Qt::RightButton, QEvent::MouseButtonPress, Qt::RightButton); }
  // The device commands that the item sent.
  QStringList Trigger(QAction* item) {
    form->mnuNew->hide();
    folder.clearCalls();
    item->trigger();
    return folder.calls();
  }
  QString Package(int row) { return CTrimmed(Grid()->TextMatrix(row, 1)); }
  static QString CTrimmed(QString cell) { return cell.remove(' ').remove('\r'); }
  QString Launch(int row) { return "adb shell monkey -p " + Package(row) + " -c android.intent.category.LAUNCHER 1"; }

  Form4* form = nullptr;
};

TEST_F(Form4TargetRow, AWheelPageMovesTheSelectionToTheRowNowUnderThePointer) {
  QStringList labels;
  for (int i = 0; i < 30; ++i) labels << QStringLiteral("App %1").arg(i, 2, 10, QChar(u'0'));
  form = Load(LabelledApps(labels));
  form->resize(800, 400);
  QCoreApplication::processEvents();
  Mouse(1, 1);
  ASSERT_EQ(Grid()->RowSel(), 1);
  Turn(Grid()->viewport(), CellCentre(1, 1), -120);
  ASSERT_GT(Grid()->TopRow(), 1);
  EXPECT_EQ(Grid()->RowSel(), Grid()->TopRow());
  EXPECT_EQ(Grid()->CellBackColorAt(Grid()->TopRow(), 1), vbcolor::Rgb(255, 255, 111));
  EXPECT_EQ(Grid()->CellBackColorAt(1, 1), Grid()->BackColor());
  RightPress(1, 1);
  EXPECT_EQ(Trigger(form->mnu_startAPK), QStringList{Launch(Grid()->TopRow())});
}

TEST_F(Form4TargetRow, AFilterMovesTheSelectionUnlessTheGridIsNotUnderThePointer) {
  form = Load(LabelledApps({"Delta", "alpha", "Charlie", "bravo"}));  // rows: alpha, bravo, Charlie, Delta
  Mouse(1, 1);
  QCursor::setPos(Grid()->viewport()->mapToGlobal(CellCentre(1, 1)));
  Search("Delta");  // only row 4 is left, shown where alpha was
  EXPECT_EQ(Grid()->RowSel(), 4);
  RightPress(1, 1);
  EXPECT_EQ(Trigger(form->mnu_uninstall), QStringList{"adb uninstall com.app0"});

  // A menu open at the pointer stands in front of the grid: the row stays, and the filter waits.
  Search("");
  Mouse(2, 1);
  RightPress(2, 1);
  ASSERT_TRUE(form->mnuNew->isVisible());
  QCursor::setPos(form->mnuNew->geometry().center());
  Search("Charlie");
  EXPECT_EQ(Grid()->RowSel(), 2);
  EXPECT_EQ(Trigger(form->mnu_startAPK), QStringList{Launch(2)}) << "bravo, still shown";
  form->tmrSearch_Timer();
  EXPECT_EQ(Grid()->RowHeight(2), 0) << "the filter applies once the menu has closed";
}

// A menu opens with its corner at the pointer, so a pointer resting just above and left of it is
// still over the grid. Neither the search tick nor the wheel may move the row that the menu, the
// permissions dialog or a message box acts on; the hover resumes once they have closed.
TEST_F(Form4TargetRow, NothingMovesTheRowThatAnOpenMenuOrBoxActsOn) {
  QStringList labels;
  for (int i = 0; i < 30; ++i) labels << QStringLiteral("App %1").arg(i, 2, 10, QChar(u'0'));
  form = Load(LabelledApps(labels));  // row r holds com.app(r - 1)
  form->resize(800, 400);
  QCoreApplication::processEvents();
  const QPoint corner = Grid()->viewport()->mapToGlobal(CellCentre(2, 1));
  const QPoint beside = corner - QPoint(2, 2);
  auto tickAndTurn = [&] {
    Search("App 1");  // leaves rows 11 to 20, the first shown where row 1 was
    form->MouseWheel(0, -120, beside.x(), beside.y());
  };

  QCursor::setPos(corner);
  Mouse(2, 1);
  RightPress(2, 1);
  ASSERT_TRUE(form->mnuNew->isVisible());
  QCursor::setPos(beside);
  tickAndTurn();
  EXPECT_EQ(Grid()->RowSel(), 2);
  EXPECT_EQ(Trigger(form->mnu_uninstall), QStringList{"adb uninstall com.app1"});

  Search("");
  Grid()->TopRow(1);
  Mouse(3, 1);
  for (int i = 0; i < 30; ++i) folder.setRuntimePermissions(QStringLiteral("com.app%1").arg(i), {{"android.permission.P1", false}});
  const QString listed = Package(3);
  QStringList clicked;
  dialogs.OnModal([&](QWidget* dialog) {
    tickAndTurn();
    folder.clearCalls();
    static_cast<Form8*>(dialog)->Check1[1]->setChecked(true);
    clicked = folder.calls();
  });
  form->mnu_Permissions->trigger();
  EXPECT_EQ(clicked, QStringList{"adb shell pm grant " + listed + " android.permission.P1"});
  EXPECT_EQ(Grid()->RowSel(), 3);

  QMessageBox box(QMessageBox::Information, "Tarnwick", "a box in front");
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  tickAndTurn();
  EXPECT_EQ(Grid()->RowSel(), 3);
  box.close();
  form->tmrSearch_Timer();
  form->MouseWheel(0, -120, beside.x(), beside.y());
  EXPECT_NE(Grid()->RowSel(), 3) << "with nothing in front, the hover follows the pointer again";
}

TEST_F(Form4TargetRow, APressWithoutAMoveAfterADismissedMenuTakesItsOwnRow) {
  form = Load(LabelledApps({"Delta", "alpha", "Charlie", "bravo"}));
  Mouse(1, 1);
  RightPress(1, 1);
  form->mnuNew->hide();  // dismissed by the next right-click, which no move preceded
  RightPress(3, 1);
  EXPECT_EQ(Grid()->RowSel(), 3);
  EXPECT_EQ(Trigger(form->mnu_startAPK), QStringList{Launch(3)});
}

// The load leaves the current cell on the last icon it drew, while the hover stands on row 2.
TEST_F(Form4TargetRow, APressOnTheCellTheLoadLeftHoveredTakesThatRow) {
  form = Load(LabelledApps({"Delta", "alpha", "Charlie", "bravo"}));
  ASSERT_EQ(form->HoverRow, 2);
  RightPress(2, 2);
  EXPECT_EQ(Grid()->RowSel(), 2);
  EXPECT_EQ(Trigger(form->mnu_startAPK), QStringList{Launch(2)});
}

TEST_F(Form4TargetRow, NoActionRunsOnTheHeaderOrAnEmptyList) {
  for (const QStringList& labels : {QStringList{"Delta", "alpha"}, QStringList{}}) {
    form = Load(LabelledApps(labels));
    Mouse(0, 1);
    RightPress(0, 1);
    ASSERT_EQ(Grid()->RowSel(), 0);
    for (QAction* item : {form->mnu_startAPK, form->mnu_uninstall, form->mnu_backup_apk, form->mnu_backup_apk_obb,
                          form->mnu_NonRootBackup, form->mnu_Restore, form->mnu_Permissions})
      EXPECT_EQ(Trigger(item), QStringList()) << item->objectName().toStdString();
    EXPECT_TRUE(dialogs.Boxes().isEmpty() && dialogs.FolderChoosers().isEmpty());
    NewWindow(false);
  }
}

}  // namespace
