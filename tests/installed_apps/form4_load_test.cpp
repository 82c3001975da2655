#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "installed_apps/form4_fixture.h"
#include "main_window/log_box.h"
#include "support/main_window_fixture.h"

namespace {

TEST_F(Form4Test, LoadsThreeAppsInLabelOrder) {
  Form4* form = Load(LabelledApps({"charlie", "Alpha", QStringLiteral("星际")}));
  EXPECT_EQ(folder.calls().value(0), "adb shell \"pm list packages -3 |wc -l\"");
  EXPECT_EQ(Column(0), QStringList({"Alpha", "charlie", QStringLiteral("星际")}));
  EXPECT_EQ(Column(8), QStringList({"1", "2", "3"}));
  EXPECT_TRUE(Grid()->Redraw()) << "painting is back on once the rows are filled";
  QStringList row;
  for (int c = 1; c < 8; ++c) row << Grid()->TextMatrix(1, c);
  EXPECT_EQ(row, QStringList({"com.app1", "10.0", "10", "1.5", "1.0", "0.5", "0.0"}));
  for (int r = 1; r < 4; ++r) EXPECT_EQ(Grid()->CellPictureAt(r, 9).size(), QSize(16, 16)) << r;
  EXPECT_EQ(Grid()->TextMatrix(0, 2), QStringLiteral("版本     "));
  EXPECT_EQ(Grid()->ColWidth(9), 300);
  EXPECT_LE(Grid()->ColWidth(2), 4800);
  // Fitted: the header "Package Name" is wider than any package here.
  EXPECT_EQ(Grid()->ColWidth(1), Twips(Grid()->fontMetrics().horizontalAdvance("Package Name")) + 100);
  EXPECT_FALSE(QFileInfo::exists(temp.filePath("morvell.sh")));
  EXPECT_EQ(form->findChild<QWidget*>("tmpPictureBox"), nullptr);
  EXPECT_FALSE(window->Form5Instance()->isVisible());
  EXPECT_EQ(window->Form5Instance()->Label1->text(), "Processing Apps: 3 of 3");
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
}

TEST_F(Form4Test, NoDeviceShowsTheCountCommandsTextAndNoBar) {
  folder.setScenario("adb", "when *\nerr error: no devices/emulators found\\n\nexit 1\n");
  window->Form4Instance()->Show();
  EXPECT_EQ(window->Form5Instance()->Label1->text(), "Processing Apps: 0 of error: no devices/emulators found");
  EXPECT_EQ(window->Form5Instance()->BarTwips(), 0);
  EXPECT_EQ(Grid()->Rows(), 1);
  EXPECT_EQ(Grid()->ColWidth(0), Twips(Grid()->fontMetrics().horizontalAdvance("App Name")) + 100);
}

TEST_F(Form4Test, ProgressFollowsTheMarkersWhileLoading) {
  Form4* form = window->Form4Instance();
  Form5* progress = window->Form5Instance();
  form->AppCount = "100";
  QString chunk = "IP3x: com.a \n";
  form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->Label1->text(), "Processing Apps: 1 of 100");
  EXPECT_EQ(progress->BarTwips(), 0) << "1 percent draws nothing";
  for (int i = 0; i < 49; ++i) form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->BarTwips(), 3500);
  form->BatchDone = true;
  form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->Label1->text(), "Processing Apps: 50 of 100") << "after the batch the handler only collects";
  EXPECT_EQ(form->OutputBuffer.count("IP3x"), 51);
}

TEST_F(Form4Test, AScriptThatCannotBeCreatedIsReportedAndNotRun) {
  ASSERT_TRUE(QDir().mkpath(temp.filePath("morvell.sh/inside")));  // cannot be removed
  window->CreateRunner();
  Load(LabelledApps({"One"}));
  EXPECT_EQ(Grid()->Rows(), 1);
  const QString commandLine = '"' + temp.filePath("morvell.sh") + '"';
  ASSERT_EQ(dialogs.Boxes().size(), 1);
  EXPECT_EQ(dialogs.Boxes()[0].text, " File or command not found\r\n" + commandLine);
  EXPECT_EQ(dialogs.Boxes()[0].style, platform::vbCritical);
  EXPECT_TRUE(window->txtOutputs->Text().contains("\r\nCommand Error: \r\n" + commandLine + "\r\n\r\n"));
  EXPECT_EQ(folder.calls().size(), 1) << "only the count command ran";
}

TEST_F(Form4Test, TheWayInThroughTheProgressWindow) {
  folder.setScenario("adb", AppListScenario(LabelledApps({"One"})));
  window->show();
  window->Command9_Click();
  Form5* progress = window->Form5Instance();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(State().Busy);
  EXPECT_TRUE(progress->isVisible() && progress->Timer1->isActive());
  progress->Timer1_Timer();
  EXPECT_FALSE(progress->Timer1->isActive());
  EXPECT_TRUE(window->Form4Instance()->isVisible());
  EXPECT_EQ(Grid()->Rows(), 2);
}

}  // namespace
