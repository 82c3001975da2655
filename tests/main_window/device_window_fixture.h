#pragma once
#include <QLabel>
#include <QTemporaryDir>

#include "support/main_window_fixture.h"
#include "support/test_files.h"

// The fake adb playing a device, "game.apk" of package "com.x" alone in a folder and waits that
// pass at once.
class DeviceWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    folder.deviceRoot();
    NewWindow();
    State().ApkPath = apkFolder + "game.apk";
    window->Label2->setText("com.x");
    window->Label5->setText("game.apk");
  }

  void PutBesideApk(const QString& relPath, const QByteArray& content = "obb") {
    ASSERT_TRUE(WriteTestFile(apkFolder + relPath, content)) << relPath.toStdString();
  }

  Seam<std::function<std::chrono::nanoseconds()>>::Override fastClock{
      WaitClockSeam(), [now = std::chrono::nanoseconds(0)]() mutable { return now += std::chrono::milliseconds(500); }};
  QTemporaryDir apkDir;
  const QString apkFolder = apkDir.path() + '/';
};
