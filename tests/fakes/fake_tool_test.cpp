#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>
#include <vector>

#include "support/fake_program_folder.h"
#include "support/fixtures.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"

namespace {

struct Result {
  std::string output;  // stdout and stderr on one pipe
  int exitCode = -1;
};

std::string shellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

Result run(const FakeProgramFolder& folder, const std::string& tool, const std::vector<std::string>& args,
           const char* redirect = " 2>&1") {
  std::string command = shellQuote(folder.path().toStdString() + "/" + tool);
  for (const auto& arg : args) command.append(" ").append(shellQuote(arg));  // not " " + ...: a false -Wrestrict
  Result result;
  FILE* pipe = ::popen((command + redirect).c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, n);
  int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TEST(FakeTool, LogsOneLineQuotingEmptyBlankTabAndQuoteArguments) {
  FakeProgramFolder folder;
  const std::vector<std::pair<std::vector<std::string>, QString>> cases = {
      {{"shell", "ls", "-Ral", "/sdcard/Android/obb/com.x"}, "adb shell ls -Ral /sdcard/Android/obb/com.x"},
      {{"push", "/tmp/my dir/a.obb", "/sdcard/a b.obb"}, "adb push \"/tmp/my dir/a.obb\" \"/sdcard/a b.obb\""},
      {{"", "a\"b\\c", "x\ty"}, "adb \"\" \"a\\\"b\\\\c\" \"x\ty\""},
      {{"a\\b"}, "adb a\\b"},
      {{"a\nb\rc"}, "adb \"a\\nb\\rc\""},
      {{"push", "/tmp/中文 名.apk"}, "adb push \"/tmp/中文 名.apk\""},
      {{}, "adb"},
  };
  for (const auto& [args, expected] : cases) {
    folder.clearCalls();
    EXPECT_EQ(run(folder, "adb", args).exitCode, 0);
    EXPECT_EQ(folder.calls(), QStringList{expected});
    QString spelled = "adb";
    for (const auto& arg : args) spelled += ' ' + LoggedArgument(QString::fromStdString(arg));
    EXPECT_EQ(spelled, expected) << "the tests' LoggedArgument spells it as the fake does";
  }
  run(folder, "aapt", {"d", "badging", "x.apk"});
  EXPECT_EQ(folder.calls().last(), "aapt d badging x.apk");
}

TEST(FakeTool, FirstUnusedMatchingRuleWinsAndTimesCountsAcrossCalls) {
  FakeProgramFolder folder;
  folder.setScenario("adb", "# flaky first, then steady\n"
                            "when~ ^get-state\ntimes 2\nout first\n"
                            "when get-state\nout steady\n"
                            "when get-state \"extra \"\nout quoted\n"
                            "when *\nout any\n");
  EXPECT_EQ(run(folder, "adb", {"get-state"}).output, "first");
  EXPECT_EQ(run(folder, "adb", {"get-state"}).output, "first");
  EXPECT_EQ(run(folder, "adb", {"get-state"}).output, "steady");
  EXPECT_EQ(run(folder, "adb", {"get-state", "extra "}).output, "quoted");
  EXPECT_EQ(run(folder, "adb", {"get-state", "extra"}).output, "any");
  EXPECT_EQ(run(folder, "adb", {"devices"}).output, "any");
  EXPECT_EQ(run(folder, "aapt", {"devices"}).output, "") << "each tool reads its own scenario";
}

TEST(FakeTool, WritesOutAndErrInOrderWithEscapesAndExitCode) {
  FakeProgramFolder folder;
  ASSERT_TRUE(WriteTestFile(folder.path() + "/listing.txt", "from file\n"));
  folder.setScenario("adb", "when install \"/tmp/a b.apk\"\n"
                            "out one\\r\\n\n"
                            "err two\\x41\\e\\t|\\q\n"
                            "sleep 20\n"
                            "out three \n"
                            "outfile listing.txt\n"
                            "exit 7\n");
  const Result result = run(folder, "adb", {"install", "/tmp/a b.apk"});
  EXPECT_EQ(result.output, "one\r\ntwoA\t|\\qthree from file\n");
  EXPECT_EQ(result.exitCode, 7);
  EXPECT_EQ(run(folder, "adb", {"install", "/tmp/a b.apk"}, " 2>/dev/null").output, "one\r\nthree from file\n");

  const QString text = QStringLiteral("a\\b\\n \r\nc\n");
  folder.setScenario("adb", "when *\n" + ScenarioOut(text));
  EXPECT_EQ(QString::fromStdString(run(folder, "adb", {}).output), text) << "ScenarioOut's text comes back unchanged";
}

TEST(FakeTool, WithoutRuleOrDevicePrintsNothingAndSucceeds) {
  FakeProgramFolder folder;
  folder.setScenario("adb", "when devices\nexit 1\n");
  const Result result = run(folder, "adb", {"shell", "echo", "$EXTERNAL_STORAGE"});
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.exitCode, 0);
}

TEST(FakeTool, DeviceModePushListAndRemoveRoundTrip) {
  FakeProgramFolder folder;
  folder.putOnDevice("Android/obb/com.x/old.obb", "12345");
  EXPECT_EQ(run(folder, "adb", {"shell", "echo", "$EXTERNAL_STORAGE"}).output, "/sdcard\r\n");

  const QString local = folder.path() + "/my file.obb";
  QFile file(local);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(1000, 'o'));
  file.close();
  Result push = run(folder, "adb", {"push", local.toStdString(), "/sdcard/Android/obb/com.x/sub/new b.obb"});
  EXPECT_EQ(push.output, local.toStdString() + ": 1 file pushed, 0 skipped. 12.3 MB/s (1000 bytes in 0.001s)\n");
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/sub/new b.obb"));

  const Result ls = run(folder, "adb", {"shell", "ls", "-Ral", "/sdcard/Android/obb/com.x"});
  EXPECT_EQ(ls.exitCode, 0);
  EXPECT_EQ(ls.output.rfind("/sdcard/Android/obb/com.x:\ntotal ", 0), 0u) << ls.output;
  EXPECT_NE(ls.output.find("-rw-rw---- 1 u0_a123 ext_data_rw 5 2026-01-01 00:00 old.obb\n"), std::string::npos);
  EXPECT_NE(ls.output.find("\n\n/sdcard/Android/obb/com.x/sub:\ntotal "), std::string::npos);
  EXPECT_NE(ls.output.find(" 1000 2026-01-01 00:00 new b.obb\n"), std::string::npos);

  EXPECT_EQ(run(folder, "adb", {"shell", "rm", "-r", "/sdcard/Android/obb/com.x"}).exitCode, 0);
  EXPECT_FALSE(folder.onDevice("Android/obb/com.x"));
  const Result gone = run(folder, "adb", {"shell", "ls", "-Ral", "/sdcard/Android/obb/com.x"});
  EXPECT_EQ(gone.output, "ls: /sdcard/Android/obb/com.x: No such file or directory\n");
  EXPECT_EQ(gone.exitCode, 1);
  const Result rmAgain = run(folder, "adb", {"shell", "rm", "-r", "/sdcard/Android/obb/com.x"});
  EXPECT_EQ(rmAgain.output, "rm: /sdcard/Android/obb/com.x: No such file or directory\n");
  EXPECT_EQ(rmAgain.exitCode, 1);
}

TEST(FakeTool, DeviceModeRefusesMissingLocalFileAndPathsOutsideTheCard) {
  FakeProgramFolder folder;
  folder.deviceRoot();
  const Result push = run(folder, "adb", {"push", "/nonexistent/a.obb", "/sdcard/a.obb"});
  EXPECT_EQ(push.output, "adb: error: cannot stat '/nonexistent/a.obb': No such file or directory\n");
  EXPECT_EQ(push.exitCode, 1);
  QFile keep(folder.path() + "/keep.txt");
  ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
  keep.close();
  EXPECT_EQ(run(folder, "adb", {"shell", "rm", "-r", "/sdcard/../../keep.txt"}).exitCode, 1);
  EXPECT_TRUE(QFile::exists(folder.path() + "/keep.txt"));
}

// The backups' own tests pull a file, a folder onto a folder, an empty folder and a missing one,
// and push a folder back; here the rest of adb's rules.
TEST(FakeTool, DeviceModePullFollowsAdbsTargetRulesAndReportsUnwritableTargets) {
  FakeProgramFolder folder;
  folder.putOnDevice("app/base.apk", "apkdata");
  folder.putOnDevice("Android/data/com.x/files/save.dat", "12345");
  const std::string pc = folder.path().toStdString() + "/pc 中文";
  EXPECT_EQ(run(folder, "adb", {"pull", "/sdcard/app/base.apk", pc + "/a.apk"}).output,
            "/sdcard/app/base.apk: 1 file pulled, 0 skipped. 12.3 MB/s (7 bytes in 0.001s)\n");
  EXPECT_EQ(run(folder, "adb", {"pull", "/sdcard/app/base.apk", pc}).exitCode, 0);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(pc + "/base.apk"))) << "a file pulled onto a folder lands inside it";
  EXPECT_EQ(run(folder, "adb", {"pull", "/sdcard/Android/data/com.x", pc + "/new/copy"}).output,
            "/sdcard/Android/data/com.x/: 1 file pulled, 0 skipped. 12.3 MB/s (5 bytes in 0.001s)\n");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(pc + "/new/copy/files/save.dat")));
  const Result unwritable = run(folder, "adb", {"pull", "/sdcard/app/base.apk", pc + "/a.apk/inside"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(unwritable.output.rfind("adb: error: cannot create '" + pc + "/a.apk/inside': ", 0), 0u) << unwritable.output;
}

TEST(FakeTool, DeviceModeGrantAndRevokeRefuseUnknownPackagesAndPermissions) {
  FakeProgramFolder folder;
  folder.setRuntimePermissions("com.x", {{"android.permission.CAMERA", false}});
  EXPECT_EQ(run(folder, "adb", {"shell", "pm grant com.x android.permission.CAMERA"}).exitCode, 0);
  EXPECT_EQ(folder.runtimePermissions("com.x"), "android.permission.CAMERA true\n");
  const Result unknown = run(folder, "adb", {"shell", "pm", "grant", "com.x", "android.permission.NOPE"});
  EXPECT_EQ(unknown.output, "Exception occurred while executing 'grant':\n"
                            "java.lang.IllegalArgumentException: Unknown permission: android.permission.NOPE\n");
  EXPECT_EQ(unknown.exitCode, 255);
  EXPECT_EQ(run(folder, "adb", {"shell", "pm", "revoke", "com.none", "android.permission.CAMERA"}).output,
            "Exception occurred while executing 'revoke':\njava.lang.IllegalArgumentException: Unknown package: com.none\n");
  EXPECT_EQ(run(folder, "adb", {"shell", "dumpsys", "package", "com.none"}).output, "");
}

}  // namespace
