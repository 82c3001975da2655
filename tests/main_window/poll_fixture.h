#pragma once
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "platform/foreground.h"
#include "runner/vb_color.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

// A main window that has read an APK of com.example.demo, build 1210, with the fake adb in its
// program folder and the window counted as the foreground window.
class PollWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    platform::SetForegroundProbe([this](const QWidget*) { return foreground; });
    window = std::make_unique<morvell>();
    window->objDOS = std::make_unique<DOSOutputs>();
    window->objDOS->ReceiveOutputs = [this](QString& chunk) { window->objDOS_ReceiveOutputs(chunk); };
    window->Quote = QStringLiteral("\"");
    window->SavedLabel6BackColor = QString::number(vbcolor::BackColor(window->Label6));
    window->SavedLabel6ForeColor = QString::number(vbcolor::ForeColor(window->Label6));
    window->Label5->setText(QStringLiteral("demo.apk"));
    window->Label2->setText(QStringLiteral("com.example.demo"));
    window->Label4->setText(QStringLiteral("1210"));
    window->BadgingInfo.Set(1, QStringLiteral("com.example.demo"));
    window->BadgingInfo.Set(2, QStringLiteral("1210"));
  }
  void TearDown() override {
    window.reset();
    platform::SetForegroundProbe({});
    Module1::ResetSharedState();
  }

  // The scenario of a device that answers and has the given dumpsys line for the package.
  void DeviceWith(const QString& dumpsysOut) {
    folder.setScenario(QStringLiteral("adb"),
                       QStringLiteral("when devices\nout List of devices attached\\r\\n1WMHH0000000\\tdevice\\r\\n\\r\\n\n"
                                      "when shell dumpsys package com.example.demo\nout ") +
                           dumpsysOut + QStringLiteral("\n"));
  }

  QList<bool> DeviceButtonsEnabled() const {
    QList<bool> states;
    for (QPushButton* b : {window->Command1, window->Command2, window->Command4, window->Command5, window->Command6,
                           window->Command9, window->Command10, window->Command11, window->Command12})
      states << b->isEnabled();
    return states;
  }
  void SetDeviceButtons(bool enabled) {
    for (QPushButton* b : {window->Command1, window->Command2, window->Command4, window->Command5, window->Command6,
                           window->Command9, window->Command10, window->Command11, window->Command12})
      b->setEnabled(enabled);
  }

  bool foreground = true;
  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  BeepCounter beeps;
  std::unique_ptr<morvell> window;
};

inline const QString kDumpsysOlder = QStringLiteral("    versionCode=1203 minSdk=24 targetSdk=29\\r\\n");
