#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <dirent.h>
#include <unistd.h>

#include "platform/process.h"
#include "runner/command_error_log.h"
#include "runner/dos_outputs.h"
#include "runner/module1.h"
#include "runner/text_paths.h"
#include "runner/tools.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/scripted_dialogs.h"
#include "support/test_files.h"

namespace {

// A runner whose chunks are recorded, with the log sink and the dialogs captured.
struct RunnerHarness {
  RunnerHarness() { runner.ReceiveOutputs = [this](QString& chunk) { chunks.append(chunk); }; }

  DOSOutputs runner;
  QStringList chunks;
  QString log;
  Seam<CommandErrorSink>::Override sink{CommandErrorSeam(), [this](const QString& block) { log += block; }};
  ScriptedDialogs dialogs;
};

int CountZombieChildren() {
  int zombies = 0;
  DIR* proc = opendir("/proc");
  while (dirent* entry = readdir(proc)) {
    QFile stat(QString("/proc/%1/stat").arg(entry->d_name));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    if (fields.size() > 1 && fields[0] == "Z" && fields[1].toInt() == getpid()) ++zombies;
  }
  closedir(proc);
  return zombies;
}

// The state letter of a process ("Z" for a zombie); empty once it is gone.
QByteArray ProcessState(const QString& pid) {
  QFile stat("/proc/" + pid + "/stat");
  if (!stat.open(QIODevice::ReadOnly)) return {};
  return stat.readAll().split(')').last().trimmed().split(' ').first();
}

int CountOpenDescriptors() { return QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System).size(); }

}  // namespace

TEST(DOSOutputs, SilentCommandRaisesOneEmptyChunk) {
  FakeProgramFolder folder;
  RunnerHarness h;
  EXPECT_EQ(h.runner.ExecuteCommand(tools::AdbCommand(" kill-server")), "");
  EXPECT_EQ(h.chunks, QStringList{""});
  EXPECT_EQ(folder.calls(), QStringList{"adb kill-server"});
}

TEST(DOSOutputs, ChunksAreAtMost256BytesAndJoinToTheResult) {
  FakeProgramFolder folder;
  QByteArray big;
  for (int i = 0; i < 3000; ++i) big += char('a' + i % 26);
  ASSERT_TRUE(WriteTestFile(folder.path() + "/big.txt", big));
  folder.setScenario("adb", "when shell cat big\noutfile big.txt\nsleep 20\nout tail\\r\\n\n");
  RunnerHarness h;
  QString result = h.runner.ExecuteCommand(tools::AdbCommand(" shell cat big"));
  EXPECT_EQ(result, QString::fromLatin1(big) + "tail\r\n");
  EXPECT_EQ(h.chunks.join(""), result);
  EXPECT_EQ(h.runner.Outputs(), result);
  EXPECT_GE(h.chunks.size(), 13);
  EXPECT_EQ(h.chunks.last(), "");
  EXPECT_EQ(h.chunks.count(""), 1);
  for (const QString& chunk : h.chunks) EXPECT_LE(chunk.toUtf8().size(), 256);
}

TEST(DOSOutputs, StandardErrorArrivesInTheOrderWritten) {
  FakeProgramFolder folder;
  folder.setScenario("adb", "when *\nout one\\n\nsleep 10\nerr two\\n\nsleep 10\nout three\\n\nexit 1\n");
  RunnerHarness h;
  EXPECT_EQ(h.runner.ExecuteCommand(tools::AdbCommand(" devices")), "one\ntwo\nthree\n");
}

TEST(DOSOutputs, ArgumentReplacesTheStoredLineForLaterRuns) {
  FakeProgramFolder folder;
  RunnerHarness h;
  h.runner.CommandLine(tools::AdbCommand(" devices"));
  h.runner.ExecuteCommand();
  h.runner.ExecuteCommand(tools::AdbCommand(" reboot"));
  EXPECT_EQ(h.runner.CommandLine(), tools::AdbCommand(" reboot"));
  h.runner.ExecuteCommand();
  EXPECT_EQ(folder.calls(), (QStringList{"adb devices", "adb reboot", "adb reboot"}));
}

TEST(DOSOutputs, MissingToolIsLoggedAndReportedWithoutAnyEvent) {
  for (bool silenced : {false, true}) {
    FakeProgramFolder folder(false, true);
    folder.setScenario("aapt", "when *\nout earlier\n");
    RunnerHarness h;
    h.runner.ExecuteCommand(tools::AaptCommand(" v"));
    h.chunks.clear();
    Module1::OutputSilenced = silenced;
    QString line = tools::AdbCommand(" shell pm list packages");
    EXPECT_EQ(h.runner.ExecuteCommand(line), "");
    Module1::OutputSilenced = false;
    EXPECT_TRUE(h.chunks.isEmpty());
    EXPECT_EQ(h.runner.Outputs(), "earlier");
    EXPECT_EQ(h.runner.CommandLine(), line);
    EXPECT_EQ(h.log, "\r\nCommand Error: \r\n" + line + "\r\n\r\n");
    ASSERT_EQ(h.dialogs.Boxes().size(), 1);
    EXPECT_EQ(h.dialogs.Boxes()[0].text, " File or command not found\r\n" + line);
    EXPECT_EQ(h.dialogs.Boxes()[0].style, 16);
    EXPECT_EQ(h.dialogs.Boxes()[0].title, "Tarnwick");
  }
}

TEST(DOSOutputs, EmptyCommandLineIsRefused) {
  RunnerHarness h;
  EXPECT_EQ(h.runner.ExecuteCommand(), "");
  ASSERT_EQ(h.dialogs.Boxes().size(), 1);
  EXPECT_EQ(h.dialogs.Boxes()[0].text, "Command Line empty");
  EXPECT_EQ(h.dialogs.Boxes()[0].style, 16);
  EXPECT_TRUE(h.chunks.isEmpty());
  EXPECT_TRUE(h.log.isEmpty());
}

TEST(DOSOutputs, CharacterSplitBetweenReadsArrivesWhole) {
  FakeProgramFolder folder;
  ASSERT_TRUE(WriteTestFile(folder.path() + "/cjk.txt", QByteArray(255, 'a') + QString("中文标签").toUtf8()));
  folder.setScenario("adb", "when *\noutfile cjk.txt\n");
  RunnerHarness h;
  QString result = h.runner.ExecuteCommand(tools::AdbCommand(" shell cat"));
  EXPECT_EQ(result, QString(255, 'a') + "中文标签");
  for (const QString& chunk : h.chunks) EXPECT_FALSE(chunk.contains(QChar::ReplacementCharacter));
}

// A read that ends inside a character raises nothing for its held bytes; only the end is empty.
TEST(DOSOutputs, AReadEndingInsideACharacterRaisesNoEmptyChunkBeforeTheEnd) {
  FakeProgramFolder folder;
  const std::pair<QString, QString> cases[] = {
      {"out a\\xE4\\xB8\nsleep 30\nout \\xADb\n", "a中b"},
      {"out \\xE4\nsleep 30\nout \\xB8\nsleep 30\nout \\xAD\n", "中"},  // whole reads held back
  };
  for (const auto& [scenario, expected] : cases) {
    folder.setScenario("adb", "when *\n" + scenario);
    RunnerHarness h;
    EXPECT_EQ(h.runner.ExecuteCommand(tools::AdbCommand(" shell cat")), expected);
    EXPECT_EQ(h.chunks.join(""), expected);
    EXPECT_EQ(h.chunks.count(""), 1) << h.chunks.join("|").toStdString();
    EXPECT_EQ(h.chunks.last(), "");
  }
}

// EF BB BF is a character like any other here, wherever a read happens to begin.
TEST(DOSOutputs, ByteOrderMarksAreHandedOnWhereverAReadStarts) {
  FakeProgramFolder folder;
  const QString bom(QChar(0xFEFF));
  struct Case {
    const char* what;
    QString scenario;
    QString expected;
  };
  const QList<Case> cases = {
      {"after a pause", "out aaaaaaaaaa\nsleep 30\nout \\xEF\\xBB\\xBFB\n", "aaaaaaaaaa" + bom + "B"},
      {"at the start", "out \\xEF\\xBB\\xBFB\n", bom + "B"},
      {"split between reads", "out \\xEF\\xBB\nsleep 30\nout \\xBFB\n", bom + "B"},
  };
  for (const Case& c : cases) {
    folder.setScenario("adb", "when *\n" + c.scenario);
    RunnerHarness h;
    EXPECT_EQ(h.runner.ExecuteCommand(tools::AdbCommand(" shell cat")), c.expected) << c.what;
    EXPECT_EQ(h.chunks.join(""), c.expected) << c.what;
  }
}

TEST(DOSOutputs, ArgumentsReachTheChildUntouchedByAnyShell) {
  QTemporaryDir dir;
  QString folder = dir.filePath("程序 目录");
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(QFile::link(QString(FAKES_DIR) + "/adb", folder + "/adb"));
  RunnerHarness h;
  h.runner.ExecuteCommand(QuoteLocalPath(folder + "/adb") +
                          " shell echo $EXTERNAL_STORAGE | ls '*' \"游戏 数据.obb\"");
  QFile log(folder + "/fake_calls.log");
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(log.readAll()), "adb shell echo $EXTERNAL_STORAGE | ls '*' \"游戏 数据.obb\"\n");
}

TEST(DOSOutputs, BareNameIsFoundInTheProgramFolderFirst) {
  FakeProgramFolder folder;
  RunnerHarness h;
  h.runner.ExecuteCommand("adb shell pm list packages");
  EXPECT_EQ(folder.calls(), QStringList{"adb shell pm list packages"});
}

TEST(DOSOutputs, LeavesNoZombieAndNoDescriptorBehind) {
  FakeProgramFolder folder;
  RunnerHarness h;
  int descriptors = CountOpenDescriptors();
  for (int i = 0; i < 100; ++i) h.runner.ExecuteCommand(tools::AdbCommand(" devices"));
  EXPECT_EQ(CountZombieChildren(), 0);
  EXPECT_EQ(CountOpenDescriptors(), descriptors);
}

TEST(DOSOutputs, ChildThatOutlivesItsOutputHoldsNothingAndIsReapedWhenItExits) {
  RunnerHarness h;
  QElapsedTimer wall;
  wall.start();
  const QString pid = h.runner.ExecuteCommand("sh -c \"echo $$; exec >/dev/null 2>&1; sleep 0.3\"").trimmed();
  EXPECT_LT(wall.elapsed(), 250);
  ASSERT_FALSE(ProcessState(pid).isEmpty()) << pid.toStdString();
  while (!ProcessState(pid).isEmpty() && wall.elapsed() < 10000) QThread::msleep(10);
  EXPECT_EQ(ProcessState(pid), "") << "no zombie left after its exit";
}

// At the process or thread limit std::thread throws: the program goes on, and the next command
// reaps the child that has exited meanwhile.
TEST(DOSOutputs, ChildThatOutlivesItsOutputWhenNoThreadCanBeMadeIsReapedByTheNextCommand) {
  const auto noThread = ScopedOverride(platform::WaiterThreadSeam(), [](const std::function<void()>&) {
    throw std::system_error(EAGAIN, std::generic_category());
  });
  RunnerHarness h;
  const QString pid = h.runner.ExecuteCommand("sh -c \"echo $$; exec >/dev/null 2>&1; sleep 0.1\"").trimmed();
  ASSERT_FALSE(ProcessState(pid).isEmpty()) << pid.toStdString();
  QElapsedTimer wall;
  wall.start();
  while (ProcessState(pid) != "Z" && wall.elapsed() < 10000) QThread::msleep(10);
  ASSERT_EQ(ProcessState(pid), "Z") << "exited, and no thread waits for it";
  h.runner.ExecuteCommand("sh -c exit");
  EXPECT_EQ(ProcessState(pid), "");
  EXPECT_EQ(CountZombieChildren(), 0);
}

TEST(DOSOutputs, ReadEndNeverReachesTheChild) {
  RunnerHarness h;
  // The child lists its open descriptors: only its stdout and stderr may be the runner's pipe.
  QString out = h.runner.ExecuteCommand("sh -c \"readlink /proc/$$/fd/1; for f in /proc/$$/fd/*; do readlink $f; done\"");
  QString runnerPipe = out.section('\n', 0, 0);
  ASSERT_TRUE(runnerPipe.startsWith("pipe:")) << out.toStdString();
  EXPECT_EQ(out.count(runnerPipe), 3) << out.toStdString();
}

TEST(DOSOutputs, ToolsRunFromAProgramFolderOfAnyName) {
  QTemporaryDir root;
  for (const QString name : {"prog\"q", "a b\\", "\"", "中文 $HOME"}) {
    const QString programFolder = root.filePath(name);
    ASSERT_TRUE(QDir().mkpath(programFolder));
    for (const QString tool : {"adb", "aapt"})
      ASSERT_TRUE(QFile::link(QStringLiteral(FAKES_DIR "/") + tool, programFolder + '/' + tool));
    const auto folder = ScopedOverride(tools::ProgramFolderSeam(), programFolder);
    RunnerHarness h;
    tools::RunAdb(h.runner, " devices");
    h.runner.ExecuteCommand(tools::AaptCommand(" version"));
    EXPECT_TRUE(h.dialogs.Boxes().isEmpty()) << name.toStdString();
    EXPECT_EQ(ReadTestFile(programFolder + "/fake_calls.log"), QByteArray("adb devices\naapt version\n")) << name.toStdString();
  }
}
