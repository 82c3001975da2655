#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include "main_window/badging_parser.h"
#include "runner/dos_outputs.h"
#include "runner/text_paths.h"
#include "runner/tools.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "test_apk_builder.h"

TEST(Badging, TableOfOutputVariants) {
  struct Case {
    const char* name;
    QString output;
    int slot;
    QString expected;
  };
  const QList<Case> cases = {
      {"label holding the word package leaves the package name alone",
       "package: name='com.a' versionCode='1'\napplication-label:'my package'\napplication: label='x' icon=''\n", 1,
       "com.a"},
      {"label made to look like a package key", "package: name='com.a'\napplication-label:'x' package ';reboot;''\n", 1,
       "com.a"},
      {"package name holding the word package", "package: name='com.mypackage.app' versionCode='7' versionName='1'\n", 1,
       "com.mypackage.app"},
      {"its versionCode stays readable", "package: name='com.mypackage.app' versionCode='7' versionName='1'\n", 2, "7"},
      {"only aapt's package line names the package", "application-label:'package: name='evil''\n", 1, ""},
      {"translations never replace the label", "application-label:'Game'\napplication-label-zh-CN:'游戏'\n", 4, "Game"},
      {"without a plain label line, the application line's",
       "application-label-de:'Spiel'\napplication: label='Spiel' icon=''\nlaunchable-activity: name='a.B'  label='x' icon=''\n",
       4, "Spiel"},
      {"an activity's label is not the app's", "launchable-activity: name='a.B'  label='x' icon=''\n", 4, ""},
      {"empty icon value keeps the earlier icon",
       "application: label='x' icon='res/a.png'\nlaunchable-activity: name='a.B'  label='' icon=''\n", 9, "res/a.png"},
      {"adaptive icon entry is kept as read", "application: label='x' icon='res/mipmap-anydpi-v26/ic.xml'\n", 9,
       "res/mipmap-anydpi-v26/ic.xml"},
      {"blanks around values are trimmed, line ends kept", "package: name=' com.b '\r\nsdkVersion:'23'\r\n", 1, "com.b"},
      {"head tracking anywhere in the output", "x:'android.hardware.vr.headtracking' version='1'\n", 5, "Yes"},
      {"output without apostrophes fills nothing", "ERROR: dump failed because no AndroidManifest.xml found\n", 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseBadging(c.output).info[c.slot], c.expected) << c.name;
}

TEST(Badging, CountsEveryPermissionButStoresTheFirstForty) {
  QString output = QStringLiteral("package: name='com.p'\n");
  for (int k = 1; k <= 45; ++k) output += QStringLiteral("uses-permission: name='p.%1'\n").arg(k);
  output += QStringLiteral("uses-permission-sdk-23: name='p.sdk23'\n");
  const BadgingResult r = ParseBadging(output);
  EXPECT_EQ(r.permissionCount, 46);
  EXPECT_EQ(r.info[11], "p.1");
  EXPECT_EQ(r.info[50], "p.40");
  EXPECT_EQ(r.info[1], "com.p");
}

TEST(Badging, KeyInTheLastPieceWritesNothing) {
  const BadgingResult r = ParseBadging(QStringLiteral("x='a' uses-permission"));
  EXPECT_EQ(r.permissionCount, 1);
  EXPECT_TRUE(r.info[11].isEmpty());
}

// The real aapt on APKs built here, run through the program's runner (start-up tests cover the
// icon, the Chinese label and the versions).
TEST(RealBadging, ApksBuiltWithAapt) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
  FakeProgramFolder folder(true, false);
  ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin/aapt"), folder.path() + QStringLiteral("/aapt")));
  QTemporaryDir work;
  struct Case {
    const char* name;
    TestApkRecipe recipe;
    QList<std::pair<int, QString>> slotValues;
    int permissions;  // -1: not looked at
  };
  const QList<Case> cases = {
      // aapt does not escape the apostrophe, so it ends the value.
      {"apostrophe", {.label = QStringLiteral("测试 Tom\\'s Game")}, {{4, QStringLiteral("测试 Tom")}, {2, "1210"}, {5, ""}}, 0},
      {"head tracking, no icon", {.icon = false, .headTracking = true}, {{1, "com.example.demo"}, {5, "Yes"}, {9, ""}}, 0},
      {"45 permissions", {.permissions = 45}, {{11, "com.example.permission.P1"}, {50, "com.example.permission.P40"}}, 45},
      {"translated label", {.translations = {{"de", "Spiel"}, {"zu", "Umdlalo"}}}, {{4, "Demo"}}, 0},
      // No icon: without a default label aapt fails on the icon and prints no "application:" line.
      {"translations only", {.label = QString(), .icon = false, .translations = {{"de", "Spiel"}, {"zu", "Umdlalo"}}}, {{4, "Spiel"}}, 0},
      {"framework", {}, {{1, "android"}, {4, "Android System"}}, -1},  // Debian's, with 141 translations
  };
  for (const Case& c : cases) {
    QString apk = work.path() + QStringLiteral("/my app.apk");
    if (QString(c.name) == "framework")
      apk = QStringLiteral("/usr/share/android-framework-res/framework-res.apk");
    else
      ASSERT_TRUE(BuildTestApk(work.path() + '/' + c.name, apk, c.recipe)) << c.name;
    DOSOutputs runner;
    const BadgingResult r =
        ParseBadging(runner.ExecuteCommand(tools::AaptCommand(QStringLiteral(" d badging ") + QuoteLocalPath(apk))));
    for (const auto& [slot, expected] : c.slotValues) EXPECT_EQ(r.info[slot], expected) << c.name << " slot " << slot;
    if (c.permissions >= 0) {
      EXPECT_EQ(r.permissionCount, c.permissions) << c.name;
    }
  }
}
