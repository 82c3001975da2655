#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "installed_apps/form4_fixture.h"
#include "main_window/log_box.h"
#include "runner/text_paths.h"
#include "support/main_window_fixture.h"
#include "support/test_files.h"

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
  EXPECT_TRUE(QDir(temp.path()).isEmpty()) << "the script and its folder are gone";
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

TEST_F(Form4Test, TheScriptRunsFromAFolderOfItsOwnThatNothingInTheTemporaryFolderBlocks) {
  // What another user may leave in a shared temporary folder under the script's name.
  ASSERT_TRUE(QDir().mkpath(temp.filePath("morvell.sh/inside")));
  const auto entries = [](const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  };
  for (const QString& tmp : {temp.path(), temp.filePath("with\"quote"), temp.filePath(QStringLiteral("中文 $HOME"))}) {
    ASSERT_TRUE(QDir().mkpath(tmp));
    qputenv("TMPDIR", tmp.toUtf8());
    const QStringList before = entries(tmp);
    NewWindow(false);
    Load(LabelledApps({"One", "Two"}));
    EXPECT_EQ(Column(0), QStringList({"One", "Two"})) << tmp.toStdString();
    EXPECT_TRUE(dialogs.Boxes().isEmpty()) << tmp.toStdString();
    EXPECT_EQ(entries(tmp), before) << "the script's folder is gone";
  }
}

TEST_F(Form4Test, AScriptThatCannotBeWrittenIsReportedAndNotRun) {
  ASSERT_TRUE(WriteTestFile(temp.filePath("file")));
  // A temporary path that is a file, and one that names nothing (never the working folder then).
  const std::pair<QString, QString> cases[] = {{temp.filePath("file"), temp.filePath("file/tarnwick-XXXXXX/morvell.sh")},
                                               {temp.filePath("missing"), "./tarnwick-XXXXXX/morvell.sh"}};
  for (const auto& [tmp, script] : cases) {
    qputenv("TMPDIR", tmp.toUtf8());
    NewWindow();
    const qsizetype boxes = dialogs.Boxes().size();
    Load(LabelledApps({"One"}));
    EXPECT_EQ(Grid()->Rows(), 1);
    const QString commandLine = "sh " + QuoteLocalPath(script);
    ASSERT_EQ(dialogs.Boxes().size(), boxes + 1);
    EXPECT_EQ(dialogs.Boxes().last().text, " File or command not found\r\n" + commandLine);
    EXPECT_EQ(dialogs.Boxes().last().style, platform::vbCritical);
    EXPECT_TRUE(window->txtOutputs->Text().contains("\r\nCommand Error: \r\n" + commandLine + "\r\n\r\n"));
    EXPECT_EQ(folder.calls().size(), 1) << "only the count command ran";
  }
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

// Runs the scenario inside the application's event loop; false when the program ended in it. The
// timers live here, so none fires into a later loop when the program ended early.
bool KeepsRunning(const std::function<void()>& scenario) {
  bool running = false;
  QTimer start, stillRunning, giveUp;
  for (QTimer* timer : {&start, &stillRunning, &giveUp}) timer->setSingleShot(true);
  start.callOnTimeout([&] {
    scenario();
    stillRunning.start(50);
  });
  stillRunning.callOnTimeout([&running] {
    running = true;
    QCoreApplication::exit();  // quit() would close every window
  });
  giveUp.callOnTimeout([] { QCoreApplication::exit(); });
  start.start(0);
  giveUp.start(20000);
  QCoreApplication::exec();
  return running;
}

// A slow headset keeps the progress window the only one shown. A window manager's close there
// neither hides it nor ends the program once the list has loaded (the close arrives while the
// load handles events between the headset's answers). No window that happens to be the last one
// shown ends the program when it goes.
TEST_F(Form4Test, AWindowManagersCloseOnTheOnlyWindowShownKeepsTheProgram) {
  folder.setScenario("adb", AppListScenario(LabelledApps({"One"})).replace("\nreadin\n", "\nsleep 50\nreadin\n"));
  Form5* progress = window->Form5Instance();
  bool shownWhileLoading = false;
  EXPECT_TRUE(KeepsRunning([&] {
    window->show();
    window->Command9_Click();
    QCoreApplication::postEvent(progress->windowHandle(), new QCloseEvent);
    QTimer::singleShot(0, [&] { shownWhileLoading = progress->isVisible(); });
    progress->Timer1_Timer();
  })) << "the program ended";
  EXPECT_TRUE(shownWhileLoading);
  EXPECT_TRUE(window->Form4Instance()->isVisible());
  EXPECT_EQ(Grid()->Rows(), 2);

  window->Form4Instance()->hide();
  QWidget last;
  EXPECT_TRUE(KeepsRunning([&] {
    last.show();
    QCoreApplication::postEvent(last.windowHandle(), new QCloseEvent);
  })) << "the program ended";
}

}  // namespace
