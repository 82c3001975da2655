#include <QCursor>
#include <QLineEdit>
#include <QMenu>

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

  // A menu open at the pointer stands in front of the grid: the row stays, hidden or not.
  Search("");
  Mouse(2, 1);
  RightPress(2, 1);
  ASSERT_TRUE(form->mnuNew->isVisible());
  QCursor::setPos(form->mnuNew->geometry().center());
  Search("Charlie");
  EXPECT_EQ(Grid()->RowSel(), 2) << "bravo, now hidden";
  EXPECT_EQ(Trigger(form->mnu_startAPK), QStringList()) << "a hidden row sends nothing";
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
