#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "installed_apps/form4_fixture.h"
#include "runner/vb_color.h"

namespace {

class Form4GridTest : public Form4Test {
 protected:
  void SetUp() override {
    Form4Test::SetUp();
    form = Load(LabelledApps({"Delta", "alpha", "Charlie", "bravo"}));  // builds 9, 10, 11, 12
  }
  void Search(const QString& text) {
    form->txtSearch->setText(text);
    form->tmrSearch_Timer();  // the text changed since the last tick: wait
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
  const std::tuple<int, QString, QStringList> steps[] = {
      {0, "6", {"Delta", "Charlie", "bravo", "alpha"}},  // the load left column 0 ascending
      {0, "5", {"alpha", "bravo", "Charlie", "Delta"}},
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},  // build 9 before 10
      {3, "4", {"bravo", "Charlie", "alpha", "Delta"}},
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},
      {1, "5", {"Delta", "alpha", "Charlie", "bravo"}},  // packages com.app0..3
      {3, "3", {"Delta", "alpha", "Charlie", "bravo"}},  // back on a column: ascending again
      {-1, "3", {"Delta", "alpha", "Charlie", "bravo"}},  // a click below the header sorts nothing
  };
  for (const auto& [col, tag, labels] : steps) {
    col < 0 ? Mouse(2, 3) : Mouse(0, col);
    form->MSFlexGrid1_Click();
    EXPECT_EQ(Grid()->Tag(), tag) << col;
    EXPECT_EQ(Column(0), labels) << col;
    EXPECT_EQ(form->LastSortCol, col < 0 ? 3 : col);
    EXPECT_EQ(Grid()->Row(), col < 0 ? 2 : 0);
    EXPECT_TRUE(Grid()->Redraw());
  }
}

TEST_F(Form4GridTest, SearchFiltersOncePerPause) {
  const int s = form->DefaultRowHeight;
  form->txtSearch->setText("ALPHA");
  form->tmrSearch_Timer();
  EXPECT_EQ(Heights(), QList<int>({s, s, s, s}));
  form->tmrSearch_Timer();
  EXPECT_EQ(Heights(), QList<int>({s, 0, 0, 0})) << "alpha, case ignored";
  Search("1");  // alpha, bravo, Charlie: builds 10, 12, 11; Delta (9, sizes 0.5, row 4) has none
  EXPECT_EQ(Heights(), QList<int>({s, s, s, 0}));
  Search("2.");  // bravo's version 12.0, Charlie's sizes 2.5 and 2.0
  EXPECT_EQ(Heights(), QList<int>({0, s, s, 0}));
  Search("nowhere");
  EXPECT_EQ(Heights(), QList<int>({0, 0, 0, 0}));
  EXPECT_EQ(Grid()->RowHeight(0), s) << "the header stays";
  Search("");
  EXPECT_EQ(Heights(), QList<int>({s, s, s, s}));
  EXPECT_FALSE(form->SearchPending);
}

TEST_F(Form4GridTest, HoverTipAndCopyFollowTheCellUnderThePointer) {
  constexpr qint32 kYellow = vbcolor::Rgb(255, 255, 111);
  Grid()->ColWidth(0, 300);  // "alpha" and the others no longer fit
  Mouse(0, 1);
  EXPECT_EQ(Grid()->CellBackColorAt(0, 1), kYellow) << "header cells too";
  Mouse(1, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "alpha");
  Mouse(2, 0, Qt::LeftButton);
  EXPECT_EQ(Grid()->CellBackColorAt(0, 1), Grid()->BackColor());
  EXPECT_EQ(Grid()->CellBackColorAt(2, 0), kYellow) << "with a button held too";
  EXPECT_EQ(Grid()->ToolTipText(), "alpha") << "not decided with a button held";
  Grid()->ToolTipText("kept");
  Mouse(2, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "bravo");
  Grid()->ToolTipText("kept");
  Mouse(2, 0);
  EXPECT_EQ(Grid()->ToolTipText(), "kept") << "staying in the cell decides nothing";
  Mouse(2, 1);
  EXPECT_EQ(Grid()->ToolTipText(), "") << "a text that fits clears the tip";
  QGuiApplication::clipboard()->setText("old");
  form->mnuCopy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "com.app3");
}

TEST_F(Form4GridTest, ContextMenuOpensOnRightAnywhereAndLeftOnTheIcon) {
  for (int c = 0; c < 9; ++c) Grid()->ColWidth(c, 600);  // the icon column in view
  const std::tuple<int, int, Qt::MouseButton, bool> presses[] = {
      {0, 2, Qt::RightButton, true}, {3, 5, Qt::RightButton, true}, {2, 9, Qt::LeftButton, true},
      {2, 4, Qt::LeftButton, false}, {2, 9, Qt::MiddleButton, false}};
  for (const auto& [row, col, button, opens] : presses) {
    Mouse(row, col);
    Mouse(row, col, button, QEvent::MouseButtonPress, button);
    EXPECT_EQ(form->mnuNew->isVisible(), opens) << row << "," << col << " button " << button;
    form->mnuNew->hide();
    Mouse(row, col, {}, QEvent::MouseButtonRelease, button);
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

TEST_F(Form4Test, WheelOverTheGridPagesItUntilTheWindowCloses) {
  QStringList labels;
  for (int i = 0; i < 60; ++i) labels << QStringLiteral("App %1").arg(i, 2, 10, QChar('0'));
  Form4* form = Load(LabelledApps(labels));
  form->resize(800, 400);
  QCoreApplication::processEvents();
  int lastWhole = 1;
  while (Grid()->RowIsVisible(lastWhole + 1)) ++lastWhole;
  ASSERT_GT(lastWhole, 5);
  Turn(form, {5, 5}, -120);
  EXPECT_EQ(Grid()->TopRow(), 1) << "in the window but not over the grid";
  Turn(Grid()->viewport(), {50, 50}, -120);
  EXPECT_EQ(Grid()->TopRow(), lastWhole);
  Turn(Grid()->viewport(), {50, 50}, 120);
  EXPECT_EQ(Grid()->TopRow(), 1);

  window->Command9->setEnabled(true);
  form->close();
  EXPECT_TRUE(Module1::AppsWindowClosed);
  EXPECT_FALSE(window->Command9->isEnabled());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(form->tmrSearch->isActive());
  Turn(Grid()->viewport(), {50, 50}, -120);
  EXPECT_EQ(Grid()->TopRow(), 1) << "unhooked";
}

}  // namespace
