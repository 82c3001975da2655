#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "main_window/headset_settings.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "runner/text_paths.h"
#include "runner/tools.h"
#include "console_fixture.h"

using ConsoleInput = ConsoleWindowTest;

// Each text as typed, and the arguments that adb received (as the fake logs them: an argument
// holding a blank or a quote is shown quoted). Shell syntax must arrive as plain arguments and
// must never run anything on the PC: every case would otherwise create a file in `trap`. An empty
// text runs adb alone, whose usage text is echoed.
TEST_F(ConsoleInput, ReachesAdbAsArgumentsAndNeverThroughAShell) {
  folder.setScenario("adb", "when~ ^$\nout Android Debug Bridge version 1.0.41\\n\nexit 1\n");
  const QString trap = folder.path() + "/pwned";
  const QString typedTrap = QuoteLocalPath(trap);  // one argument whatever the temporary folder's name
  struct Case {
    QString typed;
    QString received;
  };
  const Case cases[] = {
      {"", "adb"},
      {"devices -l", "adb devices -l"},
      {"  devices  ", "adb devices"},
      {"shell \"echo a b\"", "adb shell \"echo a b\""},
      {"shell \"echo unbalanced", "adb shell \"echo unbalanced\""},
      {"shell echo \\\"quoted\\\"", "adb shell echo \"\\\"quoted\\\"\""},
      {"shell echo 中文 安装", "adb shell echo 中文 安装"},
      {"shell echo a; touch " + typedTrap, "adb shell echo a; touch " + LoggedArgument(trap)},
      {"shell echo a | touch " + typedTrap, "adb shell echo a | touch " + LoggedArgument(trap)},
      {"shell echo a && touch " + typedTrap, "adb shell echo a && touch " + LoggedArgument(trap)},
      {"shell echo $(touch " + typedTrap + ")", "adb shell echo $(touch " + LoggedArgument(trap + ")")},
      {"shell echo `touch " + typedTrap + "`", "adb shell echo `touch " + LoggedArgument(trap + "`")},
  };
  for (const Case& c : cases) {
    folder.clearCalls();
    window->Text1->setText(c.typed);
    window->Text1_KeyDown(13);
    EXPECT_EQ(State().objDOS->CommandLine(), tools::AdbCommand(" " + c.typed));
    EXPECT_EQ(folder.calls(), QStringList{c.received}) << c.typed.toStdString();
    EXPECT_EQ(window->Text1->text(), c.typed);
  }
  EXPECT_FALSE(QFileInfo::exists(trap));
  EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + "/pwned"));
  EXPECT_TRUE(window->txtOutputs->Text().contains("Android Debug Bridge version 1.0.41"));
}

// Enter in the box and the Run button beep first, then run the line; other keys do nothing.
TEST_F(ConsoleInput, EnterAndRunBeepBeforeRunningAndOtherKeysDoNothing) {
  folder.setScenario("adb", "when *\nout List of devices attached\\n\n");
  window->Text1->setText("devices");
  for (int key : {0, 10, 27, 65, 113}) window->Text1_KeyDown(key);
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_TRUE(folder.calls().isEmpty());

  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(window->Text1, &enter);
  EXPECT_EQ(beepsAtFirstChunk, 1);
  beepsAtFirstChunk = -1;
  window->Command7->click();
  EXPECT_EQ(beepsAtFirstChunk, 2);
  EXPECT_EQ(beeps.count(), 2);
  EXPECT_EQ(folder.calls(), (QStringList{"adb devices", "adb devices"}));
  EXPECT_TRUE(window->txtOutputs->Text().contains("List of devices attached"));
}

using WindowToggles = ConsoleWindowTest;

// Any height but the shown one shows the row; any width but the hidden one hides the panel.
TEST_F(WindowToggles, ConsoleRowAndToolPanelSwitchBetweenTheirTwoSizes) {
  for (auto [before, after] : {std::pair{7260, 7770}, {7770, 7260}, {6000, 7770}}) {
    window->SetHeightTwips(before);
    window->Command6->click();
    EXPECT_EQ(window->HeightTwips(), after) << before;
  }
  for (auto [before, after] : {std::pair{8625, 14865}, {14865, 8625}, {9000, 8625}}) {
    window->SetWidthTwips(before);
    window->Command11->click();
    EXPECT_EQ(window->WidthTwips(), after) << before;
  }
}

using HeadsetButtons = ConsoleWindowTest;

TEST_F(HeadsetButtons, EveryButtonRunsItsLinesThenBeepsAndHidesThePanel) {
  for (int index = 0; index < kHeadsetSettingCount; ++index) {
    SCOPED_TRACE(index);
    folder.clearCalls();
    window->SetWidthTwips(14865);
    const int beepsBefore = beeps.count();
    window->Command13[index]->click();
    QStringList expected;
    for (const QString& arguments : HeadsetSettings()[index].arguments) expected << "adb" + arguments;
    EXPECT_EQ(folder.calls(), expected);
    EXPECT_EQ(beeps.count(), beepsBefore + 1);
    EXPECT_EQ(window->WidthTwips(), 8625);
  }
  EXPECT_EQ(folder.calls(), QStringList{"adb reboot"}) << "the last button reboots, alone";
}

TEST_F(HeadsetButtons, Texture2048SetsWidthThenHeightAndEchoesBothBeforeTheBeep) {
  folder.setScenario("adb",
                     "when shell setprop debug.oculus.textureWidth 2048\nout width set\\n\n"
                     "when shell setprop debug.oculus.textureHeight 2048\nout height set\\n\n");
  window->Command13_Click(19);
  EXPECT_EQ(folder.calls(), (QStringList{"adb shell setprop debug.oculus.textureWidth 2048",
                                         "adb shell setprop debug.oculus.textureHeight 2048"}));
  const QString log = window->txtOutputs->Text();
  ASSERT_TRUE(log.contains("width set")) << log.toStdString();
  EXPECT_LT(log.indexOf("width set"), log.indexOf("height set"));
  EXPECT_EQ(beepsAtFirstChunk, 0);
}

TEST_F(HeadsetButtons, IndexOutsideTheTableRunsNothing) {
  window->SetWidthTwips(14865);
  for (int index : {-1, 23, 1000}) window->Command13_Click(index);
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_EQ(window->WidthTwips(), 14865);
}

TEST_F(HeadsetButtons, MtpButtonRunsSvcThenBeeps) {
  folder.setScenario("adb", "when *\nout ok\\n\n");
  window->Command12->click();
  EXPECT_EQ(folder.calls(), QStringList{"adb shell svc usb setFunctions mtp true"});
  EXPECT_EQ(beepsAtFirstChunk, 0);
  EXPECT_EQ(beeps.count(), 1);
}

using Exit = ConsoleWindowTest;

TEST_F(Exit, ClosingStopsTheAdbServerOnlyWhenCheck2IsTickedThenEndsOnce) {
  int quitsWhenAdbRan = -1;
  State().objDOS->ReceiveOutputs = [&](QString&) {
    if (quitsWhenAdbRan < 0) quitsWhenAdbRan = quits;
  };
  for (bool ticked : {false, true}) {
    SCOPED_TRACE(ticked);
    folder.clearCalls();
    quits = 0;
    window->Check2->setChecked(ticked);
    window->show();
    EXPECT_TRUE(window->close()) << "closing is never cancelled";
    EXPECT_EQ(folder.calls(), ticked ? QStringList{"adb kill-server"} : QStringList{});
    EXPECT_EQ(quits, 1);
  }
  EXPECT_EQ(quitsWhenAdbRan, 0) << "the server stops before the end";
}
