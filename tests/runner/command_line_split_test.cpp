#include "platform/process.h"
#include "support/gtest_qt.h"

using platform::SplitCommandLine;
using Args = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Args expected;
};

TEST(CommandLineSplit, FollowsTheWindowsRuntimeRules) {
  const SplitCase cases[] = {
      {"\"/opt/t/adb\" shell echo $EXTERNAL_STORAGE", {"/opt/t/adb", "shell", "echo", "$EXTERNAL_STORAGE"}},
      {"\"/opt/t/adb\" install -r \"/home/u/My Games/a b.apk\"", {"/opt/t/adb", "install", "-r", "/home/u/My Games/a b.apk"}},
      {"\"/opt/t/adb\" shell pm list packages | grep x; echo 'y' *",
       {"/opt/t/adb", "shell", "pm", "list", "packages", "|", "grep", "x;", "echo", "'y'", "*"}},
      {"\"/目录 空格/adb\" push \"/数据/游戏 一.obb\" /sdcard/游戏",
       {"/目录 空格/adb", "push", "/数据/游戏 一.obb", "/sdcard/游戏"}},
      {"p a\\\"b", {"p", "a\"b"}},                // odd backslashes before a quote: literal quote
      {"p a\\\\\"b c\"", {"p", "a\\b c"}},        // even backslashes: half of them, the quote groups
      {"p a\\b c\\\\d", {"p", "a\\b", "c\\\\d"}},  // backslashes not before a quote stay
      {"p \"a\"\"b\"", {"p", "a\"b"}},            // "" inside quotes is one quote
      {"p \"\" x", {"p", "", "x"}},               // an empty quoted argument is kept
      {"p \"unbalanced arg", {"p", "unbalanced arg"}},
      {"p\ta\t\tb", {"p", "a", "b"}},
      {"\"/opt/t/adb\" ", {"/opt/t/adb"}},
      {"\"/opt/t/adb\"  ", {"/opt/t/adb"}},
      {"  ", {}},
      {"", {}},
      {"C:\\tools\\adb.exe devices", {"C:\\tools\\adb.exe", "devices"}},  // the program keeps its backslashes
      {"\"/opt/prog\\\"q/adb\" devices", {"/opt/prog\"q/adb", "devices"}},     // the program by the same rules
      {"\"/opt/t\\\\\" x", {"/opt/t\\", "x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}
