#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "installed_apps/app_list_script.h"
#include "installed_apps/app_list_fake_device.h"
#include "installed_apps/qstring_print.h"
#include "installed_apps/marker_parse.h"
#include "installed_apps/temp_folder.h"
#include "runner/dos_outputs.h"
#include "runner/text_paths.h"
#include "runner/tools.h"
#include "support/fake_program_folder.h"

namespace {

// The texts that `adb shell` must receive, as the listing's device side sends them.
const QString kSizes = QStringLiteral(
    R"(pm list package -f -3 -u | awk -F':' '{print $2}' | awk -F'==/base.apk=|null=' '{apksize = ""; cmd = "du " $1 "==/base.apk 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline apksize; close(cmd); obbsize = ""; cmd = "du -s /sdcard/Android/obb/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline obbsize; close(cmd); datasize = ""; cmd = "du -s /sdcard/Android/data/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline datasize; close(cmd); printf($2 " %.1f %.1f %.1f %.1f\n", ((apksize>4?apksize:0)/1024)+((obbsize>4?obbsize:0)/1024)+((datasize>4?datasize:0)/1024), (apksize>4?apksize:0)/1024,(obbsize>4?obbsize:0)/1024,(datasize>4?datasize:0)/1024) }' | sort -nk2)");
QString Versions(const QString& package) {
  return QStringLiteral(R"(dumpsys package %1 | grep -e "versionName" -e "versionCode" | awk '{$1=$1;gsub(/=/,": ");};1')")
      .arg(package);
}

class AppListScriptTest : public ::testing::Test {
 protected:
  // Writes the script into the temporary folder, runs it by its quoted path and parses the output.
  QList<AppListRow> Run(const QList<FakeApp>& apps, const QString& eol = QStringLiteral("\n")) {
    folder.setScenario("adb", AppListScenario(apps, eol));
    folder.clearCalls();
    const QString path = AppListScriptPath();
    QFile::remove(path);
    EXPECT_TRUE(WriteAppListScript(path, AppListScript()));
    DOSOutputs runner;
    runner.CommandLine(QuoteLocalPath(path));
    output = runner.ExecuteCommand();
    QFile::remove(path);
    return ParseMarkerLines(output);
  }
  QStringList AppCalls(const QString& package) const {
    return {"adb shell " + LoggedArgument("pm path " + package),
            "adb shell /data/local/tmp/aapt-arm-pie d badging /data/app/" + package + "/base.apk",
            "adb shell " + LoggedArgument(Versions(package))};
  }

  ScopedTempFolder temp{"with blank"};  // the script runs by its quoted path
  FakeProgramFolder folder;
  QString output;
};

TEST_F(AppListScriptTest, SendsEachDeviceCommandUnchangedAndInOrder) {
  const QList<AppListRow> rows = Run({{"com.b"}, {"com.a"}});
  QStringList expected = {"adb push " + LoggedArgument(folder.path() + "/aapt-arm-pie") + " /data/local/tmp",
                          "adb shell chmod 0755 /data/local/tmp/aapt-arm-pie", "adb shell " + LoggedArgument(kSizes)};
  expected += AppCalls("com.b");
  expected += AppCalls("com.a");
  EXPECT_EQ(folder.calls(), expected);
  ASSERT_EQ(rows.size(), 2);
  const AppListRow b{"Label com.b", "com.b", "1.0", "1", "1.0", "1.0", "0.0", "0.0"};
  EXPECT_EQ(rows[0], b);
}

TEST_F(AppListScriptTest, ListingsOfTheDevice) {
  struct Case {
    const char* name;
    QList<FakeApp> apps;
    QString eol;
    QStringList labels;  // column 0 of each row
  };
  FakeApp chinese{"com.cn.game"};
  chinese.badging = QStringLiteral("application-label:'星际 迷航'\napplication-label-zh-CN:'x'");
  FakeApp quoted{"com.q"};
  quoted.badging = QStringLiteral("application-label:'First'\napplication-label:'Don't Panic'");
  FakeApp unlabelled{"com.none"};
  unlabelled.badging = QStringLiteral("package: name='com.none'");
  FakeApp pathless{"com.gone"};
  pathless.pmPath = QString("");
  const Case cases[] = {
      {"no apps", {}, "\n", {}},
      {"three apps", {{"com.c"}, {"com.a"}, {"com.b"}}, "\n", {"Label com.c", "Label com.a", "Label com.b"}},
      {"a Chinese label, CR LF", {chinese, {"com.a"}}, "\r\n", {QStringLiteral("星际 迷航"), "Label com.a"}},
      {"quotes removed, the last label line", {quoted}, "\n", {"Dont Panic"}},
      // Each app starts without a label: never the one of the app listed before.
      {"no label first", {unlabelled, {"com.a"}}, "\r\n", {"", "Label com.a"}},
      {"no label later", {{"com.a"}, pathless, unlabelled}, "\n", {"Label com.a", "", ""}},
  };
  for (const Case& c : cases) {
    const QList<AppListRow> rows = Run(c.apps, c.eol);
    QStringList labels;
    for (const AppListRow& row : rows) {
      labels << row[0];
      for (const QString& cell : row) EXPECT_FALSE(cell.contains(u'\r')) << c.name;
    }
    EXPECT_EQ(labels, c.labels) << c.name;
    for (int i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i][1], c.apps[i].package) << c.name;
      EXPECT_EQ(rows[i][3], "1") << c.name;
      EXPECT_EQ(rows[i][4], "1.0") << c.name;
    }
  }
}

TEST_F(AppListScriptTest, AnalysesTheBaseApkOfASplitApp) {
  FakeApp split{"com.split"};
  split.pmPath = "package:/data/app/com.split/base.apk\npackage:/data/app/com.split/split_config.arm64_v8a.apk";
  FakeApp twoPaths{"com.two"};
  twoPaths.pmPath = "package:/data/app/com.two/first.apk\npackage:/data/app/com.two/second.apk\n";
  Run({split, twoPaths}, "\r\n");
  const QStringList calls = folder.calls();
  EXPECT_TRUE(calls.contains("adb shell /data/local/tmp/aapt-arm-pie d badging /data/app/com.split/base.apk"));
  EXPECT_TRUE(calls.contains("adb shell /data/local/tmp/aapt-arm-pie d badging /data/app/com.two/second.apk"));
}

TEST_F(AppListScriptTest, DeviceTextNeverRunsAsACommand) {
  // A listed name that is no package name is shown, but reaches no device command; a code path
  // with shell characters is not analysed.
  FakeApp hostile{"a;reboot"};
  FakeApp oddPath{"com.odd"};
  oddPath.pmPath = "package:/data/app/com.odd/base.apk;reboot";
  FakeApp dollar{"com.d$(id)"};
  const QList<AppListRow> rows = Run({hostile, oddPath, dollar, {"com.ok_1.x2"}});
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(rows[0][1], "a;reboot");
  EXPECT_EQ(rows[2][1], "com.d$(id)");
  for (const QString& call : folder.calls()) {
    EXPECT_FALSE(call.contains("reboot")) << call.toStdString();
    EXPECT_FALSE(call.contains("$(id)")) << call.toStdString();
  }
  EXPECT_TRUE(folder.calls().contains("adb shell " + LoggedArgument("pm path com.odd")));
  EXPECT_TRUE(folder.calls().contains("adb shell " + LoggedArgument(Versions("com.ok_1.x2"))));
}

TEST_F(AppListScriptTest, ShellPatternAgreesWithThePackageNameCheck) {
  const QStringList names = {"a", "a.b", "com.x_y.Z9", "A.b.c", "1a", "a.", ".a", "a..b", "a.1", "a._b", "a-b", "a b",
                             "_a", "a.b_", "ä.b", "a/b", "a*"};
  QList<FakeApp> apps;
  for (const QString& name : names) apps.append(FakeApp{name});
  // A name with a blank arrives as two tokens; the listing shows only its first part.
  Run(apps);
  const QStringList calls = folder.calls();
  for (const QString& name : names) {
    if (name.contains(u' ')) continue;
    EXPECT_EQ(calls.contains("adb shell " + LoggedArgument("pm path " + name)), IsPackageName(name))
        << name.toStdString();
  }
}

TEST_F(AppListScriptTest, ScriptFileIsCreatedNewAndPrivate) {
  const QString path = temp.filePath("morvell.sh");
  const QString target = temp.filePath("victim");
  {
    QFile victim(target);
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("keep");
  }
  ASSERT_TRUE(QFile::link(target, path));
  EXPECT_FALSE(WriteAppListScript(path, "#!/bin/sh\n"));
  ASSERT_TRUE(QFile::link(temp.filePath("nowhere"), temp.filePath("dangling.sh")));
  EXPECT_FALSE(WriteAppListScript(temp.filePath("dangling.sh"), "#!/bin/sh\n"));
  EXPECT_FALSE(QFileInfo::exists(temp.filePath("nowhere")));
  QFile victim(target);
  ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
  EXPECT_EQ(victim.readAll(), "keep");

  QFile::remove(path);
  ASSERT_TRUE(WriteAppListScript(path, "#!/bin/sh\n"));
  EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
            QFileDevice::Permissions());
  EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
}

}  // namespace
