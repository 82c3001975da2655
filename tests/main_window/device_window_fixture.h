#pragma once
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

// A main window echoing its runner into the log, the fake adb playing a device, "game.apk" of
// package "com.x" alone in a folder, dialogs scripted and waits that pass at once.
class DeviceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    folder.deviceRoot();
    window = std::make_unique<morvell>();
    window->CreateRunner();
    window->ApkPath = apkFolder + "game.apk";
    window->Label2->setText("com.x");
    window->Label5->setText("game.apk");
  }
  void TearDown() override {
    window.reset();
    Module1::ResetSharedState();
  }

  void PutBesideApk(const QString& relPath, const QByteArray& content = "obb") {
    QDir().mkpath(QFileInfo(apkFolder + relPath).path());
    QFile file(apkFolder + relPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relPath.toStdString();
    file.write(content);
  }
  QString Log() const { return window->txtOutputs->Text(); }

  Seam<std::function<QDateTime()>>::Override fastClock{
      WaitClockSeam(), [moment = QDateTime::currentDateTime()]() mutable { return moment = moment.addMSecs(500); }};
  FakeProgramFolder folder;
  BeepCounter beeps;
  ScriptedDialogs dialogs;
  QTemporaryDir apkDir;
  const QString apkFolder = apkDir.path() + '/';
  std::unique_ptr<morvell> window;
};
