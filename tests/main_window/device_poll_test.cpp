#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "poll_fixture.h"

namespace {
const QList<bool> kAllOn(9, true);
const QList<bool> kAllOff(9, false);
}  // namespace

using DevicePoll = PollWindowTest;

TEST_F(DevicePoll, ConnectedTickEnablesTheButtonsAndShowsAnOlderBuild) {
  DeviceWith(kDumpsysOlder);
  window->Label7->setText(QStringLiteral("114 Gb"));
  SetDeviceButtons(false);
  const qint32 foreBefore = vbcolor::ForeColor(window->Label6);

  window->Timer3_Timer();

  EXPECT_EQ(folder.calls(), QStringList({"adb devices", "adb shell dumpsys package com.example.demo"}));
  EXPECT_EQ(DeviceButtonsEnabled(), kAllOn);
  EXPECT_EQ(window->Label6->text(), " 1203 (Older)");
  EXPECT_EQ(window->Label6->toolTip(), " 1203");
  EXPECT_EQ(vbcolor::BackColor(window->Label6), vbcolor::Rgb(0, 255, 0));
  EXPECT_EQ(vbcolor::ForeColor(window->Label6), foreBefore);
  EXPECT_TRUE(window->PackageInstalled);
  EXPECT_EQ(window->txtOutputs->Text(), "");  // parsed queries never reach the log
}

TEST_F(DevicePoll, NewerAndSameShowWhiteOnRed) {
  for (const auto& [installed, caption] : {std::pair{"1300", " 1300 (Newer)"}, std::pair{"1210", " 1210 (Same)"}}) {
    DeviceWith(QStringLiteral("versionCode=%1 minSdk=24").arg(installed));
    window->Label7->setText(QStringLiteral("1 Gb"));
    window->Timer3_Timer();
    EXPECT_EQ(window->Label6->text(), caption);
    EXPECT_EQ(vbcolor::BackColor(window->Label6), vbcolor::Rgb(255, 0, 0));
    EXPECT_EQ(vbcolor::ForeColor(window->Label6), vbcolor::Rgb(255, 255, 255));
  }
}

TEST_F(DevicePoll, NotInstalledRestoresColoursAndDisablesUninstall) {
  const QString savedBack = window->SavedLabel6BackColor;
  for (const QString& dumpsys : {QStringLiteral("versionCode=1203 targetSdk=29"), QStringLiteral("minSdk=24 versionCode=1203")}) {
    DeviceWith(kDumpsysOlder);
    window->Label7->setText(QStringLiteral("1 Gb"));
    window->Timer3_Timer();
    ASSERT_TRUE(window->Command4->isEnabled());
    DeviceWith(dumpsys);
    window->Timer3_Timer();
    EXPECT_EQ(window->Label6->text(), QStringLiteral("未安装          "));
    EXPECT_EQ(QString::number(vbcolor::BackColor(window->Label6)), savedBack);
    EXPECT_FALSE(window->Command4->isEnabled());
    EXPECT_FALSE(window->Command5->isEnabled());
    EXPECT_FALSE(window->PackageInstalled);
  }
}

TEST_F(DevicePoll, EmptyDumpsysKeepsTheLastAnswer) {
  DeviceWith(kDumpsysOlder);
  window->Label7->setText(QStringLiteral("1 Gb"));
  window->Timer3_Timer();
  DeviceWith(QStringLiteral("\\e"));
  window->Label6->setToolTip(QStringLiteral("kept"));
  window->Timer3_Timer();
  EXPECT_EQ(window->Label6->text(), " 1203 (Older)");
  EXPECT_EQ(window->Label6->toolTip(), "kept");
  EXPECT_TRUE(window->Command4->isEnabled());
  EXPECT_TRUE(window->Command5->isEnabled());
}

TEST_F(DevicePoll, DevicesAnswerLengthDecides) {
  for (const auto& [length, connected] : {std::pair{35, false}, std::pair{36, true}}) {
    folder.setScenario(QStringLiteral("adb"), QStringLiteral("when devices\nout ") + QString(length, 'x') + "\n");
    folder.clearCalls();
    SetDeviceButtons(!connected);
    window->Label7->setText(QStringLiteral("1 Gb"));
    window->Timer3_Timer();
    EXPECT_EQ(window->Command6->isEnabled(), connected) << length;
    EXPECT_EQ(window->Command12->isEnabled(), connected) << length;
    EXPECT_EQ(folder.calls().size(), connected ? 2 : 1) << length;
  }
}

TEST_F(DevicePoll, BackgroundWindowRunsNothingAndDisablesAll) {
  DeviceWith(kDumpsysOlder);
  SetDeviceButtons(true);
  foreground = false;
  window->Timer3_Timer();
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(DeviceButtonsEnabled(), kAllOff);

  foreground = true;
  window->Label7->setText(QStringLiteral("1 Gb"));
  window->Timer3_Timer();
  EXPECT_EQ(DeviceButtonsEnabled(), kAllOn);
}

TEST_F(DevicePoll, BusyTickDoesNothingAtAll) {
  QTemporaryDir dir;
  window->ZipPath = dir.path() + QStringLiteral("/demo.zip");
  window->ZipRenamePending = true;
  QFile(window->ZipPath).open(QIODevice::WriteOnly);
  DeviceWith(kDumpsysOlder);
  SetDeviceButtons(false);
  window->Busy = true;
  window->Timer3_Timer();
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(DeviceButtonsEnabled(), kAllOff);
  EXPECT_TRUE(QFile::exists(window->ZipPath));
}

TEST_F(DevicePoll, WithoutApkNeverEnablesInstallOrUninstall) {
  DeviceWith(kDumpsysOlder);
  window->StartedWithoutApk = 1;
  window->Label7->setText(QStringLiteral("1 Gb"));
  SetDeviceButtons(false);
  window->Timer3_Timer();
  EXPECT_EQ(DeviceButtonsEnabled(), QList<bool>({false, false, false, false, true, true, true, true, true}));
  EXPECT_EQ(folder.calls(), QStringList({"adb devices"}));
}

TEST_F(DevicePoll, ClosedAppsWindowKeepsCommand9Disabled) {
  DeviceWith(kDumpsysOlder);
  Module1::AppsWindowClosed = true;
  window->Label7->setText(QStringLiteral("1 Gb"));
  SetDeviceButtons(false);
  window->Timer3_Timer();
  EXPECT_EQ(DeviceButtonsEnabled(), QList<bool>({true, true, true, true, true, false, true, true, true}));
}

TEST_F(DevicePoll, MissingSizeReadsTheStorageAgain) {
  folder.setScenario(QStringLiteral("adb"),
                     QStringLiteral("when devices\nout List of devices attached\\n1WMHH0000000\\tdevice\\n\\n\n"
                                    "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                                    "when shell df -h /sdcard\nout Filesystem Size Used Avail Use% Mounted on\\r\\n"
                                    "/dev/fuse 114G 16G 98G 15% /storage/emulated\\r\\n\n"));
  window->Label7->setText(QStringLiteral(" Gb"));
  window->Timer3_Timer();
  EXPECT_EQ(folder.calls(), QStringList({"adb devices", "adb shell echo $EXTERNAL_STORAGE", "adb shell df -h /sdcard",
                                         "adb shell dumpsys package com.example.demo"}));
  EXPECT_EQ(window->Label7->text(), "114 Gb");
}

TEST_F(DevicePoll, TickGivesTheApkItsNameBackConnectedOrNot) {
  QTemporaryDir dir;
  for (bool connected : {false, true}) {
    const QString apk = dir.path() + QStringLiteral("/demo.apk");
    window->ZipPath = dir.path() + QStringLiteral("/demo.zip");
    window->ZipRenamePending = true;
    ASSERT_TRUE(QFile(window->ZipPath).open(QIODevice::WriteOnly));
    if (connected) DeviceWith(kDumpsysOlder);
    window->Label7->setText(QStringLiteral("1 Gb"));
    window->Timer3_Timer();
    EXPECT_TRUE(QFile::exists(apk)) << connected;
    EXPECT_FALSE(QFile::exists(window->ZipPath)) << connected;
    ASSERT_TRUE(QFile::remove(apk));
  }
}

TEST_F(DevicePoll, NoRenameWithoutThePendingFlag) {
  QTemporaryDir dir;
  window->ZipPath = dir.path() + QStringLiteral("/demo.zip");
  ASSERT_TRUE(QFile(window->ZipPath).open(QIODevice::WriteOnly));
  window->Timer3_Timer();
  EXPECT_TRUE(QFile::exists(window->ZipPath));
}

using DiskSpacePanel = PollWindowTest;

TEST_F(DiskSpacePanel, ShowsTheDeviceFigures) {
  folder.setScenario(QStringLiteral("adb"),
                     QStringLiteral("when shell echo $EXTERNAL_STORAGE\nout /storage/emulated/0\\r\\n\n"
                                    "when shell df -h /storage/emulated/0\nout Filesystem Size Used Avail Use% Mounted on\\r\\n"
                                    "/dev/fuse 114G 16G 98G 15% /storage/emulated\\r\\n\n"));
  window->ShowDiskSpace();
  EXPECT_EQ(folder.calls(),
            QStringList({"adb shell echo $EXTERNAL_STORAGE", "adb shell df -h /storage/emulated/0"}));
  EXPECT_EQ(window->Label7->text(), "114 Gb");
  EXPECT_EQ(window->Label8->text(), "16 Gb");
  EXPECT_EQ(window->Label9->text(), "98 Gb");
  EXPECT_EQ(window->Label10->text(), "15 %");
  EXPECT_FALSE(Module1::OutputSilenced);
  EXPECT_EQ(window->txtOutputs->Text(), "");
}

TEST_F(DiskSpacePanel, EmptyStorageAnswerRunsTheEchoTwiceAndKeepsFree) {
  window->Label9->setText(QStringLiteral("7 Gb"));
  window->ShowDiskSpace();
  EXPECT_EQ(folder.calls(), QStringList({"adb shell echo $EXTERNAL_STORAGE", "adb shell echo $EXTERNAL_STORAGE"}));
  EXPECT_EQ(window->Label7->text(), " Gb");
  EXPECT_EQ(window->Label8->text(), " Gb");
  EXPECT_EQ(window->Label9->text(), "7 Gb");
  EXPECT_EQ(window->Label10->text(), " %");
}

using StartupComparison = PollWindowTest;

TEST_F(StartupComparison, OutcomeReplacesTheLogAndStoresTheInstalledBuild) {
  window->txtOutputs->SetText(QStringLiteral("earlier text"));
  DeviceWith(kDumpsysOlder);
  window->StartupVersionCheck();
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nOlder Buildnumber found\r\n");
  EXPECT_EQ(window->BadgingInfo[6], "1203");
  EXPECT_EQ(window->Label6->text(), " 1203 (Older)");
  EXPECT_EQ(vbcolor::BackColor(window->Label6), vbcolor::Rgb(0, 255, 0));
  EXPECT_TRUE(window->Timer1->isActive());
  EXPECT_EQ(folder.calls(), QStringList({"adb shell dumpsys package com.example.demo"}));
}

TEST_F(StartupComparison, NotInstalledDisablesUninstallAndKeepsColours) {
  window->Command4->setEnabled(true);
  window->Command5->setEnabled(true);
  const qint32 back = vbcolor::BackColor(window->Label6);
  window->Label6->setToolTip(QStringLiteral("designed"));
  window->StartupVersionCheck();  // the fake adb answers nothing
  EXPECT_EQ(window->txtOutputs->Text(), QStringLiteral("\r\n未安装          \r\n"));
  EXPECT_EQ(window->Label6->text(), QStringLiteral("未安装          "));
  EXPECT_EQ(window->Label6->toolTip(), "designed");
  EXPECT_EQ(vbcolor::BackColor(window->Label6), back);
  EXPECT_FALSE(window->Command4->isEnabled());
  EXPECT_FALSE(window->Command5->isEnabled());
}

TEST_F(StartupComparison, ApkWithoutWholeVersionCodeShowsOnlyTheInstalledBuild) {
  window->BadgingInfo.Set(2, QString());
  window->Command4->setEnabled(true);
  DeviceWith(kDumpsysOlder);
  window->StartupVersionCheck();
  EXPECT_EQ(window->Label6->text(), " 1203");
  EXPECT_EQ(window->txtOutputs->Text(), "");
  EXPECT_TRUE(window->Command4->isEnabled());
}

TEST_F(StartupComparison, WithoutPackageNameNoDumpsysRuns) {
  window->BadgingInfo.Set(1, QString());
  window->StartupVersionCheck();
  EXPECT_TRUE(folder.calls().isEmpty());
  EXPECT_EQ(window->Label6->text(), QStringLiteral("未安装          "));
}
