#include <QCoreApplication>
#include <QTimer>

#include "runner/command_error_log.h"
#include "runner/dos_outputs.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/main_window_fixture.h"
#include "support/scripted_dialogs.h"

namespace {
class LogTest : public MainWindowTest {
 protected:
  void SetUp() override { NewWindow(false); }
  void Echo(QString chunk) { window->objDOS_ReceiveOutputs(chunk); }
  int End() const { return static_cast<int>(Log().size()); }
};
}  // namespace

TEST_F(LogTest, EchoAppendsChunksAsTheyComeExceptWhileSilenced) {
  Echo("Performing Streamed Install\r");
  Echo("\nSuccess\r\n");
  Echo("");
  Module1::OutputSilenced = true;
  Echo("secret");
  Module1::OutputSilenced = false;
  Echo("tail");
  EXPECT_EQ(Log(), QStringLiteral("Performing Streamed Install\r\nSuccess\r\ntail"));
  EXPECT_EQ(window->txtOutputs->SelStart(), End());
}

TEST_F(LogTest, StatusLinesCarryTheirOwnLineEndsAndLeaveTheCaretAtTheEnd) {
  window->txtOutputs->SetText(QStringLiteral("adb output"));
  window->LogLine(QStringLiteral("所有任务都完成了！       "));
  window->LogLine(QStringLiteral("second"));
  EXPECT_EQ(Log(), QStringLiteral("adb output\r\n所有任务都完成了！       \r\n\r\nsecond\r\n"));
  EXPECT_EQ(window->txtOutputs->SelStart(), End());
}

TEST_F(LogTest, EveryChangeAndTheTimerPutTheCaretAtTheEnd) {
  window->txtOutputs->SetText(QStringLiteral("one\r\ntwo"));
  EXPECT_EQ(window->txtOutputs->SelStart(), 8);
  window->txtOutputs->SetSelStart(2);
  window->txtOutputs->AppendText(QStringLiteral("\r\nthree"));
  EXPECT_EQ(window->txtOutputs->SelStart(), End());
  QCoreApplication::processEvents();  // the shown document follows once the event loop is back
  EXPECT_EQ(window->txtOutputs->textCursor().position(), window->txtOutputs->toPlainText().size());

  window->txtOutputs->SetSelStart(0);
  window->Timer1->start();
  window->Timer1_Timer();
  EXPECT_EQ(window->txtOutputs->SelStart(), End());
  EXPECT_FALSE(window->Timer1->isActive()) << "the timer scrolls once";
}

TEST(LogBoxText, KeepsLineEndsExactlyAndShowsEachAsOneLineBreak) {
  struct Case {
    QStringList chunks;
    QString shown;
  } cases[] = {
      {{"a\r\nb"}, "a\nb"},
      {{"a\r", "\nb"}, "a\nb"},           // a CR LF split between two chunks
      {{"a\r", "b"}, "a\nb"},             // a lone CR still breaks the line
      {{"a\n\r\n", "b"}, "a\n\nb"},
      {{"a\r", "\r\n", "\n"}, "a\n\n\n"},
      {{"a\r", "\n", "\n", "\rb\r"}, "a\n\n\nb\n"},  // only the LF right after the CR is part of it
      {{"中文\r\n", "", "ü"}, "中文\nü"},
  };
  for (const Case& c : cases) {
    LogBox box;
    for (const QString& chunk : c.chunks) {
      box.AppendText(chunk);
      box.Flush();
    }
    EXPECT_EQ(box.Text(), c.chunks.join(QString()));
    EXPECT_EQ(box.toPlainText(), c.shown) << c.chunks.join('|').toStdString();
  }
}

TEST(LogBoxText, PiecesAppendedBetweenFlushesAreShownOnceEach) {
  LogBox box;
  box.SetText(QStringLiteral("x\r"));
  box.AppendText(QStringLiteral("\ny"));
  box.AppendText(QStringLiteral("z\r\n"));
  box.Flush();
  box.Flush();
  box.AppendText(QStringLiteral("w"));
  box.Flush();
  EXPECT_EQ(box.Text(), QStringLiteral("x\r\nyz\r\nw"));
  EXPECT_EQ(box.toPlainText(), QStringLiteral("x\nyz\nw"));
  box.AppendText(QStringLiteral("dropped by the next SetText"));
  box.SetText(QStringLiteral("new"));
  box.AppendText(QStringLiteral("!"));
  box.Flush();
  EXPECT_EQ(box.toPlainText(), QStringLiteral("new!"));
}

TEST(LogBoxText, CaretPositionCountsEveryCharacterOfTheText) {
  LogBox box;
  box.SetText(QStringLiteral("ab\r\ncd\r\nef"));
  box.SetSelStart(5);  // after "ab\r\nc"
  box.Flush();
  EXPECT_EQ(box.SelStart(), 5);
  EXPECT_EQ(box.textCursor().position(), 4);  // "ab\nc" in the shown document
  box.SetSelStart(-3);
  EXPECT_EQ(box.SelStart(), 0);
  box.SetSelStart(1000);
  EXPECT_EQ(box.SelStart(), 10);
  box.SetText(QString());
  EXPECT_EQ(box.Text(), QString());
  EXPECT_EQ(box.SelStart(), 0);
}

TEST(LogBoxText, VeryLongTextShowsItsEndButKeepsAllOfIt) {
  LogBox box;
  QString line = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz\r\n");
  QString chunk;
  while (chunk.size() < 256 * 1024) chunk += line;
  QString all;
  while (all.size() <= 3 * LogBox::kShownLimit) {
    box.AppendText(chunk);
    all += chunk;
  }
  box.AppendText(QStringLiteral("last line"));
  all += QStringLiteral("last line");
  box.SetSelStart(static_cast<int>(all.size()));
  box.Flush();
  EXPECT_EQ(box.Text(), all);
  QString shown = box.toPlainText();
  EXPECT_LE(shown.size(), 2 * LogBox::kShownLimit);
  EXPECT_TRUE(shown.endsWith(QStringLiteral("xyz\nlast line")));
  EXPECT_TRUE(shown.startsWith(QStringLiteral("0123"))) << "the shown part starts at a line";
  EXPECT_EQ(box.textCursor().position(), shown.size());
}

TEST(CommandErrorBlock, GoesToTheMainLogEvenWhileSilencedAndStopsWithTheWindow) {
  Module1::ResetSharedState();
  ScriptedDialogs dialogs;
  FakeProgramFolder folder(false, false);
  {
    morvell window;
    window.LogLine(QStringLiteral("before"));
    Module1::OutputSilenced = true;
    DOSOutputs other;  // another window's runner
    QString out = other.ExecuteCommand(QStringLiteral("\"") + folder.path() + QStringLiteral("/adb\" devices"));
    Module1::OutputSilenced = false;
    EXPECT_TRUE(out.isEmpty());
    QString log = window.txtOutputs->Text();
    EXPECT_TRUE(log.startsWith(QStringLiteral("\r\nbefore\r\n\r\nCommand Error: \r\n"))) << log.toStdString();
    EXPECT_TRUE(log.contains(folder.path() + QStringLiteral("/adb\" devices")));
    EXPECT_EQ(window.txtOutputs->SelStart(), log.size());
  }
  WriteCommandError(QStringLiteral("after the window")); // must not reach the destroyed window
}
