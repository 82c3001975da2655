#pragma once
// A clean start for the main window's load: no settings, no desktop entry, recorded message
// boxes and beeps, a recorded end of the program, and fake tools in the program folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

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
    Fresh();
  }
  void TearDown() override {
    window.reset();
    SettingsStore().clear();
  }

  // Starts over with only these settings (a null value stays missing) and a new, unloaded window.
  void Fresh(std::initializer_list<std::pair<const char*, const char*>> settings = {}) {
    window.reset();
    SettingsStore().clear();
    for (const auto& [section, value] : settings)
      if (value) SaveSetting(section, value);
    QDir(platform::ApplicationsFolder()).removeRecursively();
    Module1::ResetSharedState();
    dialogs.emplace();
    beeps.emplace();
    quits = 0;
    window = std::make_unique<morvell>();
    splash->show();
    window->SetSplash(splash.get());
  }
  void Load(const QString& commandLine = QString()) {
    window->SetCommandLine(commandLine);
    window->Form_Load();
  }
  static QString Get(const QString& section) { return GetSetting(section, QStringLiteral("<missing>")); }

  FakeProgramFolder tools;
  std::optional<ScriptedDialogs> dialogs;
  std::optional<BeepCounter> beeps;
  int quits = 0;
  Seam<std::function<bool(const QWidget*)>>::Override inBackground{platform::ForegroundSeam(),
                                                                   [](const QWidget*) { return false; }};
  Seam<std::function<void()>>::Override quitHandler{morvell::QuitSeam(), [this] { ++quits; }};
  std::unique_ptr<QWidget> splash = std::make_unique<QWidget>();
  std::unique_ptr<morvell> window;
};
