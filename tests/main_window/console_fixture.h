#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "main_window/morvell.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

// A main window with its runner echoing into the log as start-up wires it, the fake adb in its
// program folder, beeps counted and the program's end recorded instead of performed.
class ConsoleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<morvell>();
    window->CreateRunner();
    window->objDOS->ReceiveOutputs = [this, echo = window->objDOS->ReceiveOutputs](QString& chunk) {
      if (beepsAtFirstChunk < 0) beepsAtFirstChunk = beeps.count();
      echo(chunk);
    };
  }
  void TearDown() override { window.reset(); }

  FakeProgramFolder folder;
  BeepCounter beeps;
  ScriptedDialogs dialogs;
  std::unique_ptr<morvell> window;
  int quits = 0;
  Seam<std::function<void()>>::Override quitHandler{morvell::QuitSeam(), [this] { ++quits; }};
  int beepsAtFirstChunk = -1;  // beeps counted when a command's output first arrived
};
