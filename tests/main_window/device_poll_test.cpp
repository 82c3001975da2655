#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "runner/vb_color.h"
#include "support/fixtures.h"
#include "support/gtest_qt.h"
#include "support/main_window_fixture.h"
#include "support/test_files.h"

namespace {

const QString kDumpsysOlder = QStringLiteral("    versionCode=1203 minSdk=24 targetSdk=29\\r\\n");

// The fake adb as a device whose storage is /storage/emulated/0 and whose dumpsys answers `dumpsys`.
QString DeviceScenario(const QString& dumpsys) {
  return QStringLiteral("when devices\n") + FixtureOut("adb_devices_one_headset.txt") +
         "when shell echo $EXTERNAL_STORAGE\nout /storage/emulated/0\\r\\n\n"
         "when shell df -h /storage/emulated/0\n" + FixtureOut("df_storage_emulated.txt") +
         "when shell dumpsys package com.example.demo\nout " + dumpsys + "\n";
}

// A main window that has read an APK of com.example.demo, build 1210, knows the storage size, and
// counts as the foreground window; the fake adb is in its program folder.
class PollWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ProbeForeground(true);
    NewWindow();
  }
  void NewWindow() {
    folder.clearCalls();
    MainWindowTest::NewWindow();
    State().SavedLabel6BackColor = QString::number(vbcolor::BackColor(window->Label6));
    State().SavedLabel6ForeColor = QString::number(vbcolor::ForeColor(window->Label6));
    window->Label5->setText(QStringLiteral("demo.apk"));
    window->Label2->setText(QStringLiteral("com.example.demo"));
    window->Label4->setText(QStringLiteral("1210"));
    window->Label7->setText(QStringLiteral("114 Gb"));
    State().BadgingInfo.Set(1, QStringLiteral("com.example.demo"));
    State().BadgingInfo.Set(2, QStringLiteral("1210"));
  }
  void DeviceWith(const QString& dumpsys) { folder.setScenario(QStringLiteral("adb"), DeviceScenario(dumpsys)); }

  // The nine buttons that the tick turns on and off.
  QList<QPushButton*> DeviceButtons() const {
    return {window->Command1, window->Command2, window->Command4,  window->Command5, window->Command6,
            window->Command9, window->Command10, window->Command11, window->Command12};
  }
};

const QList<bool> kAllOn(9, true);
const QList<bool> kAllOff(9, false);
const QString kDumpsysCall = QStringLiteral("adb shell dumpsys package com.example.demo");
const QString kNotInstalled = QStringLiteral("未安装          ");

}  // namespace

using DevicePoll = PollWindowTest;

// Buttons in the order Command1, 2, 4, 5, 6, 9, 10, 11, 12.
TEST_F(DevicePoll, ButtonTable) {
  struct Case {
    const char* name;
    QString adb;
    bool foreground, busy, withoutApk, appsWindowClosed, enabledBefore;
    QList<bool> enabledAfter;
    QStringList calls;
  };
  const QString device = DeviceScenario(kDumpsysOlder);
  const QList<Case> cases = {
      {"connected", device, true, false, false, false, false, kAllOn, {"adb devices", kDumpsysCall}},
      {"background window runs nothing", device, false, false, false, false, true, kAllOff, {}},
      {"busy tick does nothing at all", device, true, true, false, false, false, kAllOff, {}},
      {"without APK", device, true, false, true, false, false, {0, 0, 0, 0, 1, 1, 1, 1, 1}, {"adb devices"}},
      {"apps window closed", device, true, false, false, true, false, {1, 1, 1, 1, 1, 0, 1, 1, 1}, {"adb devices", kDumpsysCall}},
      {"35 characters: no device", "when devices\nout " + QString(35, 'x') + "\n", true, false, false, false, true, kAllOff,
       {"adb devices"}},
      {"36 characters: a device, package not installed", "when devices\nout " + QString(36, 'x') + "\n", true, false,
       false, false, false, {1, 1, 0, 0, 1, 1, 1, 1, 1}, {"adb devices", kDumpsysCall}},
  };
  for (const Case& c : cases) {
    NewWindow();
    folder.setScenario(QStringLiteral("adb"), c.adb);
    foreground = c.foreground;
    State().Busy = c.busy;
    State().StartedWithoutApk = c.withoutApk ? 1 : 0;
    Module1::AppsWindowClosed = c.appsWindowClosed;
    for (QPushButton* b : DeviceButtons()) b->setEnabled(c.enabledBefore);
    window->Timer3_Timer();
    QList<bool> enabled;
    for (QPushButton* b : DeviceButtons()) enabled << b->isEnabled();
    EXPECT_EQ(enabled, c.enabledAfter) << c.name;
    EXPECT_EQ(folder.calls(), c.calls) << c.name;
  }
}

// adb's first call starts its server and says so; those lines are no device.
TEST_F(DevicePoll, AdbServerStartLinesAreNoDevice) {
  const QString started = FixtureOut("adb_daemon_start.txt") + "out List of devices attached\\n";
  for (const auto& [answer, connected] : {std::pair{started + "\\n", false}, {started + "1WMHH0000000\\tdevice\\n\\n", true},
                                          {QString("out * daemon started successfully\\r\\n") + QString(30, 'x'), false}}) {
    NewWindow();
    folder.setScenario(QStringLiteral("adb"), "when devices\n" + answer + "\n");
    for (QPushButton* b : DeviceButtons()) b->setEnabled(!connected);
    window->Timer3_Timer();
    EXPECT_EQ(window->Command6->isEnabled(), connected) << answer.toStdString();
    EXPECT_EQ(window->Command1->isEnabled(), connected) << answer.toStdString();
  }
}

TEST_F(DevicePoll, InstalledBuildOlderIsGreenNewerAndSameWhiteOnRed) {
  const qint32 designedFore = vbcolor::ForeColor(window->Label6);
  const qint32 red = vbcolor::Rgb(255, 0, 0), white = vbcolor::Rgb(255, 255, 255);
  for (const auto& [dumpsys, caption, toolTip, back, fore] :
       {std::tuple{kDumpsysOlder, " 1203 (Older)", " 1203", vbcolor::Rgb(0, 255, 0), designedFore},
        {"versionCode=1300 minSdk=24", " 1300 (Newer)", " 1300", red, white},
        {"versionCode=1210 minSdk=24", " 1210 (Same)", " 1210", red, white}}) {
    NewWindow();
    DeviceWith(dumpsys);
    window->Timer3_Timer();
    EXPECT_EQ(window->Label6->text(), caption);
    EXPECT_EQ(window->Label6->toolTip(), toolTip);
    EXPECT_EQ(vbcolor::BackColor(window->Label6), back) << caption;
    EXPECT_EQ(vbcolor::ForeColor(window->Label6), fore) << caption;
    EXPECT_TRUE(State().PackageInstalled);
    EXPECT_EQ(window->txtOutputs->Text(), "") << "parsed queries never reach the log";
  }
}

TEST_F(DevicePoll, AfterAnOlderBuildNoMinSdkMeansNotInstalledAndNoAnswerKeepsTheStatus) {
  const QString designedBack = State().SavedLabel6BackColor;
  for (const auto& [dumpsys, installed] : {std::pair{"versionCode=1203 targetSdk=29", false}, {"\\e", true}}) {
    NewWindow();
    DeviceWith(kDumpsysOlder);
    window->Timer3_Timer();
    DeviceWith(dumpsys);
    window->Label6->setToolTip(QStringLiteral("kept"));
    window->Timer3_Timer();
    EXPECT_EQ(window->Label6->text(), installed ? " 1203 (Older)" : kNotInstalled) << dumpsys;
    EXPECT_EQ(window->Label6->toolTip(), "kept") << dumpsys;
    EXPECT_EQ(QString::number(vbcolor::BackColor(window->Label6)),
              installed ? QString::number(vbcolor::Rgb(0, 255, 0)) : designedBack) << dumpsys;
    EXPECT_EQ(window->Command4->isEnabled(), installed) << dumpsys;
    EXPECT_EQ(window->Command5->isEnabled(), installed) << dumpsys;
    EXPECT_EQ(State().PackageInstalled, installed) << dumpsys;
  }
}

TEST_F(DevicePoll, MissingSizeReadsTheStorageFromTheEchoedPathSilently) {
  DeviceWith(kDumpsysOlder);
  window->Label7->setText(QStringLiteral(" Gb"));
  window->Timer3_Timer();
  EXPECT_EQ(folder.calls(), QStringList({"adb devices", "adb shell echo $EXTERNAL_STORAGE",
                                         "adb shell df -h /storage/emulated/0", kDumpsysCall}));
  EXPECT_EQ(QStringList({window->Label7->text(), window->Label8->text(), window->Label9->text(), window->Label10->text()}),
            QStringList({"114 Gb", "16 Gb", "98 Gb", "15 %"}));
  EXPECT_FALSE(Module1::OutputSilenced);
  EXPECT_EQ(window->txtOutputs->Text(), "");
}

using DiskSpacePanel = PollWindowTest;

TEST_F(DiskSpacePanel, EmptyStorageAnswerRunsTheEchoTwiceAndKeepsFree) {
  window->Label9->setText(QStringLiteral("7 Gb"));
  window->ShowDiskSpace();
  EXPECT_EQ(folder.calls(), QStringList({"adb shell echo $EXTERNAL_STORAGE", "adb shell echo $EXTERNAL_STORAGE"}));
  EXPECT_EQ(QStringList({window->Label7->text(), window->Label8->text(), window->Label9->text(), window->Label10->text()}),
            QStringList({" Gb", " Gb", "7 Gb", " %"}));
}

using StartupComparison = PollWindowTest;

TEST_F(StartupComparison, ReplacesTheLogStoresTheInstalledBuildAndShowsTheOutcome) {
  struct Case {
    const char* name;
    QString package, apkBuild, adb, installed, log, caption;
    bool green, uninstallEnabled;
    QStringList calls;
  };
  const QString device = DeviceScenario(kDumpsysOlder);
  const QString notInstalledLog = "\r\n" + kNotInstalled + "\r\n";
  const QList<Case> cases = {
      {"older", "com.example.demo", "1210", device, "1203", "\r\nOlder Buildnumber found\r\n", " 1203 (Older)", true,
       true, {kDumpsysCall}},
      {"no answer", "com.example.demo", "1210", "", "", notInstalledLog, kNotInstalled, false, false, {kDumpsysCall}},
      {"APK build not a whole number", "com.example.demo", "", device, "1203", "", " 1203", false, true, {kDumpsysCall}},
      {"no package name runs no dumpsys", "", "1210", device, "", notInstalledLog, kNotInstalled, false, false, {}},
  };
  for (const Case& c : cases) {
    NewWindow();
    folder.setScenario(QStringLiteral("adb"), c.adb);
    State().BadgingInfo.Set(1, c.package);
    State().BadgingInfo.Set(2, c.apkBuild);
    window->txtOutputs->SetText(QStringLiteral("earlier text"));
    window->Command4->setEnabled(true);
    window->Command5->setEnabled(true);
    window->Label6->setToolTip(QStringLiteral("designed"));
    const qint32 designedBack = vbcolor::BackColor(window->Label6);

    window->StartupVersionCheck();
    EXPECT_EQ(window->txtOutputs->Text(), c.log) << c.name;
    EXPECT_EQ(State().BadgingInfo[6], c.installed) << c.name;
    EXPECT_EQ(window->Label6->text(), c.caption) << c.name;
    if (c.installed.isEmpty()) {
      EXPECT_EQ(window->Label6->toolTip(), "designed") << c.name;
    }
    EXPECT_EQ(vbcolor::BackColor(window->Label6), c.green ? vbcolor::Rgb(0, 255, 0) : designedBack) << c.name;
    EXPECT_EQ(window->Command4->isEnabled(), c.uninstallEnabled) << c.name;
    EXPECT_EQ(window->Command5->isEnabled(), c.uninstallEnabled) << c.name;
    EXPECT_TRUE(window->Timer1->isActive()) << c.name;
    EXPECT_EQ(folder.calls(), c.calls) << c.name;
  }
}
