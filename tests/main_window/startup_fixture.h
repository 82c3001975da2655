#pragma once
// A clean start for the main window's load: no settings, no desktop entry, a shown splash window.

#include <QDir>
#include <QWidget>
#include <memory>
#include <utility>

#include "main_window/settings.h"
#include "platform/registry.h"
#include "support/main_window_fixture.h"

class StartupTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ProbeForeground(false);
    Fresh();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SettingsStore().clear();
  }

  // Starts over with only these settings (a null value stays missing) and a new, unloaded window.
  void Fresh(std::initializer_list<std::pair<const char*, const char*>> settings = {}) {
    window.reset();
    SettingsStore().clear();
    for (const auto& [section, value] : settings)
      if (value) SaveSetting(section, value);
    QDir(platform::ApplicationsFolder()).removeRecursively();
    dialogs.Clear();
    beeps.Reset();
    quits = 0;
    NewWindow(false);
    splash->show();
    window->SetSplash(splash.get());
  }
  void Load(const QString& commandLine = QString()) {
    window->SetCommandLine(commandLine);
    window->Form_Load();
  }
  static QString Get(const QString& section) { return GetSetting(section, QStringLiteral("<missing>")); }

  std::unique_ptr<QWidget> splash = std::make_unique<QWidget>();
};
