#pragma once
#include "support/main_window_fixture.h"

// A main window whose runner also notes the beeps counted when a command's output first arrived.
class ConsoleWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    NewWindow();
    State().objDOS->ReceiveOutputs = [this, echo = State().objDOS->ReceiveOutputs](QString& chunk) {
      if (beepsAtFirstChunk < 0) beepsAtFirstChunk = beeps.count();
      echo(chunk);
    };
  }

  int beepsAtFirstChunk = -1;
};
