#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include "main_window/badging_parser.h"
#include "runner/dos_outputs.h"
#include "runner/tools.h"
#include "support/fake_program_folder.h"
#include "test_apk_builder.h"

namespace {

QString Fixture(const QString& name) {
  QFile file(QStringLiteral(FIXTURES_DIR "/") + name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST(Badging, ReadsPackageVersionsLabelAndIconFromCapturedOutput) {
  const BadgingResult r = ParseBadging(Fixture(QStringLiteral("badging_apostrophe_label.txt")));
  EXPECT_EQ(r.info[1], "com.example.demo");
  EXPECT_EQ(r.info[2], "1210");
  EXPECT_EQ(r.info[3], "1.2.10");
  // The apostrophe in "Tom's Game" ends the value: aapt does not escape it.
  EXPECT_EQ(r.info[4], QStringLiteral("测试 Tom"));
  EXPECT_EQ(r.info[5], "Yes");
  EXPECT_EQ(r.info[9], "res/mipmap-mdpi-v4/app_icon.png");
  EXPECT_EQ(r.permissionCount, 2);
  EXPECT_EQ(r.info[11], "android.permission.INTERNET");
  EXPECT_EQ(r.info[12], "android.permission.RECORD_AUDIO");
  for (int unused : {0, 6, 7, 8, 10, 13}) EXPECT_TRUE(r.info[unused].isEmpty()) << unused;
}

TEST(Badging, TableOfOutputVariants) {
  struct Case {
    const char* name;
    QString output;
    int slot;
    QString expected;
  };
  const QList<Case> cases = {
      {"label holding the word package overwrites the package name",
       "package: name='com.a' versionCode='1'\napplication-label:'my package'\napplication: label='x' icon=''\n", 1,
       "\napplication: label="},
      {"last localized label wins", "application-label:'Game'\napplication-label-zh-CN:'游戏'\n", 4, QStringLiteral("游戏")},
      {"empty icon value keeps the earlier icon",
       "application: label='x' icon='res/a.png'\nlaunchable-activity: name='a.B'  label='' icon=''\n", 9, "res/a.png"},
      {"adaptive icon entry is kept as read", "application: label='x' icon='res/mipmap-anydpi-v26/ic.xml'\n", 9,
       "res/mipmap-anydpi-v26/ic.xml"},
      {"blanks around values are trimmed, line ends kept", "package: name=' com.b '\r\nsdkVersion:'23'\r\n", 1, "com.b"},
      {"head tracking anywhere in the output", "x:'android.hardware.vr.headtracking' version='1'\n", 5, "Yes"},
      {"no head tracking leaves the slot empty", "uses-feature: name='android.hardware.faketouch'\n", 5, ""},
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

// The real aapt on APKs built here, run through the program's runner.
class RealBadging : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin/aapt"), folder_.path() + QStringLiteral("/aapt")));
  }
  BadgingResult Badging(const TestApkSpec& spec) {
    const QString apk = work_.path() + QStringLiteral("/my app.apk");
    EXPECT_TRUE(BuildTestApk(work_.path() + QStringLiteral("/src"), apk, spec));
    DOSOutputs runner;
    return ParseBadging(runner.ExecuteCommand(tools::AaptCommand(QStringLiteral(" d badging \"") + apk + '"')));
  }
  FakeProgramFolder folder_{true, false};
  QTemporaryDir work_;
};

TEST_F(RealBadging, ChineseLabelWithIconAndHeadTracking) {
  TestApkSpec spec;
  spec.label = QStringLiteral("头显游戏");
  spec.headTracking = true;
  const BadgingResult r = Badging(spec);
  EXPECT_EQ(r.info[1], "com.example.demo");
  EXPECT_EQ(r.info[2], "1210");
  EXPECT_EQ(r.info[3], "1.2.10");
  EXPECT_EQ(r.info[4], QStringLiteral("头显游戏"));
  EXPECT_EQ(r.info[5], "Yes");
  EXPECT_EQ(r.info[9], "res/mipmap-mdpi-v4/app_icon.png");
}

TEST_F(RealBadging, WithoutIconLeavesTheIconSlotEmpty) {
  TestApkSpec spec;
  spec.icon = false;
  const BadgingResult r = Badging(spec);
  EXPECT_EQ(r.info[1], "com.example.demo");
  EXPECT_TRUE(r.info[9].isEmpty());
  EXPECT_TRUE(r.info[5].isEmpty());
}

TEST_F(RealBadging, ApostropheInTheLabelCutsIt) {
  TestApkSpec spec;
  spec.label = QStringLiteral("Tom\\'s Game");
  const BadgingResult r = Badging(spec);
  EXPECT_EQ(r.info[4], "Tom");
  EXPECT_EQ(r.info[2], "1210");
}

TEST_F(RealBadging, FortyFivePermissions) {
  TestApkSpec spec;
  spec.permissions = 45;
  const BadgingResult r = Badging(spec);
  EXPECT_EQ(r.permissionCount, 45);
  EXPECT_EQ(r.info[11], "com.example.permission.P1");
  EXPECT_EQ(r.info[50], "com.example.permission.P40");
}
