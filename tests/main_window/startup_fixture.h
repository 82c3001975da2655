#pragma once
// A clean start for the main window's load: no settings, no desktop entry, recorded message
// boxes and beeps, a recorded end of the program, and fake tools in the program folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QWidget>
#include <memory>

#include "main_window/morvell.h"
#include "main_window/settings.h"
#include "platform/foreground.h"
#include "platform/registry.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

inline QSettings SettingsStore() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsStore().clear();
    QDir(platform::ApplicationsFolder()).removeRecursively();
    Module1::ResetSharedState();
    platform::SetForegroundProbe([](const QWidget*) { return false; });
    morvell::SetQuitHandler([this] { ++quits; });
    window = std::make_unique<morvell>();
    splash = std::make_unique<QWidget>();
    splash->show();
    window->SetSplash(splash.get());
  }
  void TearDown() override {
    window.reset();
    morvell::SetQuitHandler(nullptr);
    platform::SetForegroundProbe(nullptr);
    SettingsStore().clear();
  }

  void Load(const QString& commandLine = QString()) {
    window->SetCommandLine(commandLine);
    window->Form_Load();
  }
  static void Set(const QString& section, const QString& value) { SaveSetting(section, value); }
  static QString Get(const QString& section) { return GetSetting(section, QStringLiteral("<missing>")); }

  FakeProgramFolder tools;
  ScriptedDialogs dialogs;
  BeepCounter beeps;
  int quits = 0;
  std::unique_ptr<QWidget> splash;
  std::unique_ptr<morvell> window;
};
