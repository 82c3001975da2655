#include <QFile>
#include <QFileInfo>

#include "installed_apps/app_list_fake_device.h"
#include "installed_apps/app_list_script.h"
#include "installed_apps/marker_parse.h"
#include "runner/dos_outputs.h"
#include "runner/text_paths.h"
#include "runner/tools.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/temp_folder.h"
#include "support/test_files.h"

namespace {

// The texts that `adb shell` must receive, as the listing's device side sends them.
const QString kSizes = QStringLiteral(
    R"(pm list package -f -3 -u | awk -F':' '{print $2}' | awk -F'==/base.apk=|null=' '{apksize = ""; cmd = "du " $1 "==/base.apk 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline apksize; close(cmd); obbsize = ""; cmd = "du -s /sdcard/Android/obb/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline obbsize; close(cmd); datasize = ""; cmd = "du -s /sdcard/Android/data/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline datasize; close(cmd); printf($2 " %.1f %.1f %.1f %.1f\n", ((apksize>4?apksize:0)/1024)+((obbsize>4?obbsize:0)/1024)+((datasize>4?datasize:0)/1024), (apksize>4?apksize:0)/1024,(obbsize>4?obbsize:0)/1024,(datasize>4?datasize:0)/1024) }' | sort -nk2)");
QString Versions(const QString& package) {
  return "adb shell " +
         LoggedArgument(QStringLiteral(R"(dumpsys package %1 | grep -e "versionName" -e "versionCode" | awk '{$1=$1;gsub(/=/,": ");};1')")
                            .arg(package));
}

class AppListScriptTest : public ::testing::Test {
 protected:
  // Writes the script into a folder of its own, runs it through sh and parses the output.
  QList<AppListRow> Run(const QList<FakeApp>& apps, const QString& eol = QStringLiteral("\n")) {
    folder.setScenario("adb", AppListScenario(apps, eol));
    folder.clearCalls();
    const AppListScriptFile script(AppListScript());
    EXPECT_TRUE(script.Written());
    DOSOutputs runner;
    runner.CommandLine(script.CommandLine());
    return ParseMarkerLines(runner.ExecuteCommand());
  }

  ScopedTempFolder temp{"with blank"};  // the script runs by its quoted path
  FakeProgramFolder folder;
};

TEST_F(AppListScriptTest, SendsEachDeviceCommandUnchangedAndInOrder) {
  FakeApp twoPaths{"com.two"}, split{"com.split"};
  twoPaths.pmPath = "package:/data/app/com.two/first.apk\npackage:/data/app/com.two/second.apk\n";
  split.pmPath = "package:/data/app/com.split/base.apk\npackage:/data/app/com.split/split_config.arm64_v8a.apk";
  const QList<AppListRow> rows = Run({{"com.b"}, twoPaths, split}, "\r\n");
  QStringList expected = {"adb push " + LoggedArgument(folder.path() + "/aapt-arm-pie") + " /data/local/tmp",
                          "adb shell chmod 0755 /data/local/tmp/aapt-arm-pie", "adb shell " + LoggedArgument(kSizes)};
  // Of several APK files the base one, else the last.
  for (const QString apk : {"com.b/base.apk", "com.two/second.apk", "com.split/base.apk"}) {
    const QString package = apk.section(u'/', 0, 0);
    expected << "adb shell " + LoggedArgument("pm path " + package)
             << "adb shell /data/local/tmp/aapt-arm-pie d badging /data/app/" + apk << Versions(package);
  }
  EXPECT_EQ(folder.calls(), expected);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], (AppListRow{"Label com.b", "com.b", "1.0", "1", "1.0", "1.0", "0.0", "0.0"}));
}

TEST_F(AppListScriptTest, ListingsOfTheDevice) {
  FakeApp chinese{"com.cn.game"}, quoted{"com.q"}, unlabelled{"com.none"}, pathless{"com.gone"};
  chinese.badging = QStringLiteral("application-label:'星际 迷航'\napplication-label-zh-CN:'x'");
  quoted.badging = QStringLiteral("application-label:'First'\napplication-label:'Don't Panic'");
  unlabelled.badging = QStringLiteral("package: name='com.none'");
  pathless.pmPath = QString("");
  // Each app starts without a label: never the one of the app listed before.
  const std::tuple<QList<FakeApp>, QString, QStringList> cases[] = {
      {QList<FakeApp>(), "\n", {}},
      {{{"com.c"}, {"com.a"}, {"com.b"}}, "\n", {"Label com.c", "Label com.a", "Label com.b"}},
      {{chinese, {"com.a"}}, "\r\n", {QStringLiteral("星际 迷航"), "Label com.a"}},
      {{quoted}, "\n", {"Dont Panic"}},  // quotes removed, the last label line
      {{unlabelled, {"com.a"}}, "\r\n", {"", "Label com.a"}},
      {{{"com.a"}, pathless, unlabelled}, "\n", {"Label com.a", "", ""}},
  };
  for (const auto& [apps, eol, labels] : cases) {
    const QList<AppListRow> rows = Run(apps, eol);
    ASSERT_EQ(rows.size(), labels.size()) << labels.join(u',').toStdString();
    for (int i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(QStringList(rows[i].begin(), rows[i].begin() + 5), QStringList({labels[i], apps[i].package, "1.0", "1", "1.0"}));
      for (const QString& cell : rows[i]) EXPECT_FALSE(cell.contains(u'\r')) << i;
    }
  }
}

TEST_F(AppListScriptTest, DeviceTextNeverRunsAsACommand) {
  // A listed name that is no package name is shown but reaches no device command; a code path
  // with shell characters is not analysed. A name with a blank arrives as two tokens.
  const QStringList names = {"a;reboot", "com.d$(id)", "a", "a.b", "com.x_y.Z9", "A.b.c", "1a", "a.", ".a", "a..b",
                             "a.1", "a._b", "a-b", "a b", "_a", "a.b_", "ä.b", "a/b", "a*"};
  QList<FakeApp> apps = {{"com.odd", "1.0 1.0 0.0 0.0", "package:/data/app/com.odd/base.apk;reboot"}};
  for (const QString& name : names) apps.append(FakeApp{name});
  const QList<AppListRow> rows = Run(apps);
  ASSERT_EQ(rows.size(), apps.size());
  EXPECT_EQ(rows[1][1], "a;reboot");
  EXPECT_EQ(rows[2][1], "com.d$(id)");
  const QStringList calls = folder.calls();
  for (const QString& call : calls) EXPECT_FALSE(call.contains("reboot") || call.contains("$(id)")) << call.toStdString();
  EXPECT_TRUE(calls.contains("adb shell " + LoggedArgument("pm path com.odd")));
  for (const QString& name : names) {
    if (name.contains(u' ')) continue;
    EXPECT_EQ(calls.contains("adb shell " + LoggedArgument("pm path " + name)), IsPackageName(name)) << name.toStdString();
    EXPECT_EQ(calls.contains(Versions(name)), IsPackageName(name)) << name.toStdString();
  }
}

TEST_F(AppListScriptTest, ScriptFileIsCreatedNewAndPrivate) {
  const QString path = temp.filePath("morvell.sh");
  const QString victim = temp.filePath("victim");
  ASSERT_TRUE(WriteTestFile(victim, "keep"));
  ASSERT_TRUE(QFile::link(victim, path));
  EXPECT_FALSE(WriteAppListScript(path, "#!/bin/sh\n"));
  ASSERT_TRUE(QFile::link(temp.filePath("nowhere"), temp.filePath("dangling.sh")));
  EXPECT_FALSE(WriteAppListScript(temp.filePath("dangling.sh"), "#!/bin/sh\n"));
  EXPECT_FALSE(QFileInfo::exists(temp.filePath("nowhere")));
  EXPECT_EQ(ReadTestFile(victim), "keep");

  QFile::remove(path);
  ASSERT_TRUE(WriteAppListScript(path, "#!/bin/sh\n"));
  EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
            QFileDevice::Permissions());
}

TEST_F(AppListScriptTest, ScriptLivesInAPrivateFolderOfItsOwnForOneRun) {
  ASSERT_TRUE(WriteTestFile(temp.filePath("morvell.sh"), "planted"));
  QString path;
  {
    const AppListScriptFile script(QStringLiteral("echo ran\n"));
    ASSERT_TRUE(script.Written());
    path = script.Path();
    const QFileInfo folderInfo(QFileInfo(path).path());
    EXPECT_EQ(folderInfo.path(), temp.path());
    EXPECT_EQ(folderInfo.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(DOSOutputs().ExecuteCommand(script.CommandLine()), "ran\n");
  }
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(path).path()));
  EXPECT_EQ(ReadTestFile(temp.filePath("morvell.sh")), "planted");
}

}  // namespace
