#pragma once
// The main window as the tests build it: fake adb and aapt in its program folder, message boxes
// and beeps recorded, the program's end counted instead of performed, and the shared state clean
// before each window and after the test.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "platform/foreground.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/scripted_dialogs.h"

// The main window's state that no control shows, for tests that arrange or observe it.
struct MainWindowState {
  explicit MainWindowState(morvell& w)
      : Busy(w.Busy), StartedWithoutApk(w.StartedWithoutApk), ApkPath(w.ApkPath), ApkFileName(w.ApkFileName),
        BadgingInfo(w.BadgingInfo), ManifestPermCount(w.ManifestPermCount),
        SavedLabel6BackColor(w.SavedLabel6BackColor),
        SavedLabel6ForeColor(w.SavedLabel6ForeColor), LogoFrame(w.LogoFrame), PackageInstalled(w.PackageInstalled),
        objDOS(w.objDOS) {}

  bool& Busy;
  qint16& StartedWithoutApk;
  QString& ApkPath;
  QString& ApkFileName;
  BoundedTextArray<50>& BadgingInfo;
  qint16& ManifestPermCount;
  QString& SavedLabel6BackColor;
  QString& SavedLabel6ForeColor;
  qint16& LogoFrame;
  bool& PackageInstalled;
  std::unique_ptr<DOSOutputs>& objDOS;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    window.reset();
    Module1::ResetSharedState();
  }

  // Drops the window and builds a new, unloaded one; with the runner, its output is echoed into
  // the log as start-up wires it.
  void NewWindow(bool withRunner = true) {
    window.reset();
    Module1::ResetSharedState();
    window = std::make_unique<morvell>();
    if (withRunner) window->CreateRunner();
  }
  // From now on the main window counts as the foreground window exactly while `foreground` is true.
  void ProbeForeground(bool initially) {
    foreground = initially;
    foregroundProbe.emplace(platform::ForegroundSeam(), [this](const QWidget*) { return foreground; });
  }
  QString Log() const { return window->txtOutputs->Text(); }
  MainWindowState State() const { return MainWindowState(*window); }

  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  BeepCounter beeps;
  int quits = 0;
  Seam<std::function<void()>>::Override quitHandler{morvell::QuitSeam(), [this] { ++quits; }};
  bool foreground = false;
  std::optional<Seam<std::function<bool(const QWidget*)>>::Override> foregroundProbe;
  std::unique_ptr<morvell> window;
};
