#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include "installed_apps/form4_fixture.h"
#include "runner/vb_color.h"

namespace {

constexpr qint32 kYellow = vbcolor::Rgb(255, 255, 111);

class Form4GridTest : public Form4Test {
 protected:
  void SetUp() override {
    Form4Test::SetUp();
    form = Load(LabelledApps({"Delta", "alpha", "Charlie", "bravo"}));  // builds 9, 10, 11, 12
  }
  void ClickHeader(int col) {
    MoveTo(0, col);
    form->MSFlexGrid1_Click();
  }
  void Search(const QString& text) {
    form->txtSearch->setText(text);
    form->tmrSearch_Timer();
    form->tmrSearch_Timer();
  }
  QList<int> Heights() {
    QList<int> heights;
    for (int r = 1; r < Grid()->Rows(); ++r) heights << Grid()->RowHeight(r);
    return heights;
  }
  Form4* form = nullptr;
};

TEST_F(Form4GridTest, HeaderClicksSortAndToggle) {
  struct Step {
    int col;
    QString tag;
    QStringList labels;
  };
  const Step steps[] = {
      {0, "6", {"Delta", "Charlie", "bravo", "alpha"}},  // the load left column 0 ascending
      {0, "5", {"alpha", "bravo", "Charlie", "Delta"}},
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},  // build 9 before 10
      {3, "4", {"bravo", "Charlie", "alpha", "Delta"}},
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},
      {1, "5", {"Delta", "alpha", "Charlie", "bravo"}},  // packages com.app0..3
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},  // back on a column: ascending again
  };
  for (const Step& step : steps) {
    ClickHeader(step.col);
    EXPECT_EQ(Grid()->Tag(), step.tag) << step.col;
    EXPECT_EQ(Column(0), step.labels) << step.col;
    EXPECT_EQ(form->LastSortCol, step.col);
    EXPECT_EQ(Grid()->Row(), 0);
    EXPECT_TRUE(Grid()->Redraw());
  }
  MoveTo(2, 3);
  form->MSFlexGrid1_Click();
  EXPECT_EQ(Column(0), steps[6].labels) << "a click below the header sorts nothing";
  EXPECT_EQ(Grid()->Tag(), "3");
}

TEST_F(Form4GridTest, SearchFiltersOncePerPause) {
  const int shown = form->DefaultRowHeight;
  form->txtSearch->setText("ALPHA");
  form->tmrSearch_Timer();  // the text changed since the last tick: wait
  EXPECT_EQ(Heights(), QList<int>({shown, shown, shown, shown}));
  form->tmrSearch_Timer();
  EXPECT_EQ(Heights(), QList<int>({shown, 0, 0, 0})) << "alpha, case ignored";
  Search("1");  // alpha, bravo, Charlie: builds 10, 12, 11; Delta (9, sizes 0.5, row 4) has none
  EXPECT_EQ(Heights(), QList<int>({shown, shown, shown, 0}));
  Search("2.");  // bravo's version 12.0, Charlie's sizes 2.5 and 2.0
  EXPECT_EQ(Heights(), QList<int>({0, shown, shown, 0}));
  Search("nowhere");
  EXPECT_EQ(Heights(), QList<int>({0, 0, 0, 0}));
  EXPECT_EQ(Grid()->RowHeight(0), shown) << "the header stays";
  Search("");
  EXPECT_EQ(Heights(), QList<int>({shown, shown, shown, shown}));
  EXPECT_FALSE(form->SearchPending);
}

TEST_F(Form4GridTest, HoverPaintsTheCellUnderThePointer) {
  const qint32 background = Grid()->BackColor();
  MoveTo(0, 1);
  EXPECT_EQ(Grid()->CellBackColorAt(0, 1), kYellow) << "header cells too";
  MoveTo(2, 3, Qt::LeftButton);
  EXPECT_EQ(Grid()->CellBackColorAt(0, 1), background);
  EXPECT_EQ(Grid()->CellBackColorAt(2, 3), kYellow) << "with a button held too";
  EXPECT_EQ(Grid()->RowSel(), 2);
  EXPECT_EQ(form->HoverRow, 2);
  EXPECT_EQ(form->HoverCol, 3);
}

TEST_F(Form4GridTest, TipIsDecidedOncePerCellEntered) {
  Grid()->ColWidth(0, 300);  // "alpha" and the others no longer fit
  MoveTo(1, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "alpha");
  MoveTo(2, 0, Qt::LeftButton);
  EXPECT_EQ(Grid()->ToolTipText(), "alpha") << "not decided with a button held";
  Grid()->ToolTipText("kept");
  MoveTo(2, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "bravo");
  Grid()->ToolTipText("kept");
  MoveTo(2, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "kept") << "staying in the cell decides nothing";
  MoveTo(2, 1);
  EXPECT_EQ(Grid()->ToolTipText(), "") << "a text that fits clears the tip";
}

TEST_F(Form4GridTest, ContextMenuItemsAndButtons) {
  QStringList captions;
  for (QAction* action : form->mnuNew->actions()) captions << action->text();
  EXPECT_EQ(captions, QStringList({"Copy", "Backup APK", "Backup APK + OBB", QStringLiteral("卸载 APK     "), "Launch App",
                                   "Backup Non-Root App Data", "Restore Non-Root App Data", "Manage Permissions"}));
  for (int c = 0; c < 9; ++c) Grid()->ColWidth(c, 600);  // the icon column in view
  struct Press {
    int row, col;
    Qt::MouseButton button;
    bool opens;
  };
  const Press presses[] = {{0, 2, Qt::RightButton, true}, {3, 5, Qt::RightButton, true}, {2, 9, Qt::LeftButton, true},
                           {2, 4, Qt::LeftButton, false}, {2, 9, Qt::MiddleButton, false}};
  for (const Press& p : presses) {
    MoveTo(p.row, p.col);
    Mouse(QEvent::MouseButtonPress, p.row, p.col, p.button, p.button);
    EXPECT_EQ(form->mnuNew->isVisible(), p.opens) << p.row << "," << p.col << " button " << p.button;
    form->mnuNew->hide();
    Mouse(QEvent::MouseButtonRelease, p.row, p.col, p.button, Qt::NoButton);
  }
}

TEST_F(Form4GridTest, ResizeKeepsTheGridsSizeWhereTheWindowIsTooSmallForIt) {
  form->resize(Pixels(9000), Pixels(6000));
  form->Form_Resize();
  EXPECT_EQ(Grid()->size(), QSize(Pixels(9000 - 440), Pixels(6000 - 1500)));
  form->resize(Pixels(9000), Pixels(1200));
  form->Form_Resize();
  EXPECT_EQ(Grid()->size(), QSize(Pixels(9000 - 440), Pixels(6000 - 1500))) << "a negative height is not taken";
  form->resize(Pixels(300), Pixels(3000));
  form->Form_Resize();
  EXPECT_EQ(Grid()->size(), QSize(Pixels(9000 - 440), Pixels(3000 - 1500))) << "a negative width is not taken";
}

TEST_F(Form4GridTest, CopyPutsTheHoveredCellOnTheClipboard) {
  MoveTo(2, 1);
  QGuiApplication::clipboard()->setText("old");
  form->mnuCopy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "com.app3");
}

TEST_F(Form4GridTest, ClosingHandsBackToTheMainWindowForGood) {
  main->Command9->setEnabled(true);
  form->close();
  EXPECT_TRUE(Module1::AppsWindowClosed);
  EXPECT_FALSE(main->Command9->isEnabled());
  EXPECT_TRUE(main->isVisible());
  EXPECT_FALSE(form->property("PrevWndProc").isValid());
  EXPECT_FALSE(form->tmrSearch->isActive());
}

TEST_F(Form4Test, WheelOverTheGridScrollsAPage) {
  QStringList labels;
  for (int i = 0; i < 60; ++i) labels << QStringLiteral("App %1").arg(i, 2, 10, QChar('0'));
  Form4* form = Load(LabelledApps(labels));
  form->resize(800, 400);
  const QPoint inGrid = Grid()->mapToGlobal(QPoint(50, 50));
  auto turn = [form](QPoint global, int delta) {
    QWheelEvent wheel(form->mapFromGlobal(global), global, {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(form, &wheel);
  };
  turn(form->mapToGlobal(QPoint(5, 5)), -120);
  EXPECT_EQ(Grid()->TopRow(), 1) << "in the window but not over the grid";
  turn(inGrid, -120);
  EXPECT_GT(Grid()->TopRow(), 5);
  turn(inGrid, 120);
  EXPECT_EQ(Grid()->TopRow(), 1);
  form->close();
  turn(inGrid, -120);
  EXPECT_EQ(Grid()->TopRow(), 1) << "unhooked";
}

}  // namespace
