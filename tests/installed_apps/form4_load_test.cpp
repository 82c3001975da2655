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
  ASSERT_EQ(Grid()->Rows(), 4);
  EXPECT_EQ(Column(0), QStringList({"Alpha", "charlie", QStringLiteral("星际")}));
  EXPECT_EQ(Column(1), QStringList({"com.app1", "com.app0", "com.app2"}));
  EXPECT_EQ(Column(2), QStringList({"10.0", "9.0", "11.0"}));
  EXPECT_EQ(Column(3), QStringList({"10", "9", "11"}));
  EXPECT_EQ(Column(4), QStringList({"1.5", "0.5", "2.5"}));
  EXPECT_EQ(Column(8), QStringList({"1", "2", "3"}));
  for (int r = 1; r < 4; ++r) EXPECT_EQ(Grid()->CellPictureAt(r, 9).size(), QSize(16, 16)) << r;
  EXPECT_EQ(Grid()->TextMatrix(0, 2), QStringLiteral("版本     "));
  EXPECT_EQ(Grid()->ColWidth(9), 300);
  EXPECT_LE(Grid()->ColWidth(2), 4800);
  // Fitted: the header "Package Name" is wider than any package here.
  EXPECT_EQ(Grid()->ColWidth(1), Twips(Grid()->fontMetrics().horizontalAdvance("Package Name")) + 100);
  EXPECT_TRUE(form->OutputBuffer.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(temp.filePath("morvell.sh")));
  EXPECT_EQ(form->findChild<QWidget*>("tmpPictureBox"), nullptr);
  Form5* progress = main->Form5Instance();
  EXPECT_FALSE(progress->isVisible());
  EXPECT_EQ(progress->Label1->text(), "Processing Apps: 3 of 3");
  EXPECT_EQ(progress->BarTwips(), 7000);
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
}

TEST_F(Form4Test, NoAppsLeavesTheHeaderRowWithFittedColumns) {
  Load({});
  EXPECT_EQ(Grid()->Rows(), 1);
  EXPECT_EQ(Grid()->ColWidth(0), Twips(Grid()->fontMetrics().horizontalAdvance("App Name")) + 100);
  EXPECT_EQ(Grid()->ColWidth(9), 300);
}

TEST_F(Form4Test, NoDeviceShowsTheCountCommandsTextAndNoBar) {
  folder.setScenario("adb", "when *\nerr error: no devices/emulators found\\n\nexit 1\n");
  Form4* form = main->Form4Instance();
  form->Show();
  EXPECT_EQ(form->AppCount, "error: no devices/emulators found");
  EXPECT_EQ(main->Form5Instance()->Label1->text(), "Processing Apps: 0 of error: no devices/emulators found");
  EXPECT_EQ(main->Form5Instance()->BarTwips(), 0);
  EXPECT_EQ(Grid()->Rows(), 1);
}

TEST_F(Form4Test, ProgressFollowsTheMarkersWhileLoading) {
  Form4* form = main->Form4Instance();
  Form5* progress = main->Form5Instance();
  form->AppCount = "100";
  QString chunk = "IP3x: com.a \n";
  form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->Label1->text(), "Processing Apps: 1 of 100");
  EXPECT_EQ(progress->BarTwips(), 0) << "1 percent draws nothing";
  for (int i = 0; i < 49; ++i) form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->BarTwips(), 3500);
  form->BatchDone = true;
  for (int i = 0; i < 10; ++i) form->objDOS_ReceiveOutputs(chunk);
  EXPECT_EQ(progress->Label1->text(), "Processing Apps: 50 of 100") << "after the batch the handler only collects";
  EXPECT_EQ(form->OutputBuffer.count("IP3x"), 60);
}

TEST_F(Form4Test, AScriptThatCannotBeCreatedIsReportedAndNotRun) {
  // Something that cannot be removed stands under the script's name.
  ASSERT_TRUE(QDir().mkpath(temp.filePath("morvell.sh/inside")));
  main->CreateRunner();
  Load(LabelledApps({"One"}));
  EXPECT_EQ(Grid()->Rows(), 1);
  const QString commandLine = '"' + temp.filePath("morvell.sh") + '"';
  ASSERT_EQ(dialogs.Boxes().size(), 1);
  EXPECT_EQ(dialogs.Boxes()[0].text, " File or command not found\r\n" + commandLine);
  EXPECT_EQ(dialogs.Boxes()[0].style, platform::vbCritical);
  EXPECT_TRUE(main->txtOutputs->Text().contains("\r\nCommand Error: \r\n" + commandLine + "\r\n\r\n"));
  EXPECT_EQ(folder.calls().size(), 1) << "only the count command ran";
}

TEST_F(Form4Test, TheWayInThroughTheProgressWindow) {
  folder.setScenario("adb", AppListScenario(LabelledApps({"One"})));
  main->show();
  main->Command9_Click();
  Form5* progress = main->Form5Instance();
  EXPECT_FALSE(main->isVisible());
  EXPECT_FALSE(MainWindowState(*main).Busy);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_TRUE(progress->Timer1->isActive());
  progress->Timer1_Timer();
  EXPECT_FALSE(progress->Timer1->isActive());
  EXPECT_TRUE(main->Form4Instance()->isVisible());
  EXPECT_FALSE(progress->isVisible());
  EXPECT_EQ(Grid()->Rows(), 2);
  EXPECT_EQ(Form4::Instance(), main->Form4Instance());
}

}  // namespace
