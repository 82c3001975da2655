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

// A main window whose runner echoes into its log as start-up wires it, with the fake adb playing a
// device, an APK "game.apk" of package "com.x" in a folder of its own, beeps counted, message
// boxes and modal windows scripted, and waits that pass at once.
class DeviceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    SetWaitClock([moment = QDateTime::currentDateTime()]() mutable {
      moment = moment.addMSecs(500);
      return moment;
    });
    folder.deviceRoot();
    apkFolder = apkDir.path() + '/';
    PutBesideApk("game.apk");
    window = std::make_unique<morvell>();
    window->objDOS = std::make_unique<DOSOutputs>();
    window->objDOS->ReceiveOutputs = [this](QString& chunk) { window->objDOS_ReceiveOutputs(chunk); };
    window->ApkPath = apkFolder + "game.apk";
    window->Label2->setText("com.x");
    window->Label5->setText("game.apk");
  }
  void TearDown() override {
    window.reset();
    SetWaitClock({});
    Module1::ResetSharedState();
  }

  void PutBesideApk(const QString& relPath, const QByteArray& content = "obb") {
    const QString path = apkFolder + relPath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
  }

  QString Log() const { return window->txtOutputs->Text(); }

  FakeProgramFolder folder;
  BeepCounter beeps;
  ScriptedDialogs dialogs;
  QTemporaryDir apkDir;
  QString apkFolder;
  std::unique_ptr<morvell> window;
};
