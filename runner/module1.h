#pragma once
// State shared between the windows, the wait that keeps them responsive, and drawing a picture
// file into a picture box.

#include <QString>
#include <array>
#include <chrono>
#include <functional>

#include "platform/seam.h"

class PictureBox;

// A text array with fixed bounds 0..Upper: an index outside them is never stored and reads empty.
template <int Upper>
class BoundedTextArray {
 public:
  static constexpr int kUpper = Upper;
  bool Set(int index, const QString& text) {
    if (index < 0 || index > Upper) return false;
    items_[index] = text;
    return true;
  }
  QString operator[](int index) const { return index < 0 || index > Upper ? QString() : items_[index]; }
  void Clear() { items_.fill(QString()); }

 private:
  std::array<QString, Upper + 1> items_{};
};

namespace Module1 {

extern BoundedTextArray<255> ObbFileNames;
extern BoundedTextArray<255> ObbFilePaths;
extern int ObbCount;
extern bool ObbConfirmed;
extern bool AppsWindowClosed;
extern int PermCount;
extern BoundedTextArray<99> PermGranted;
extern BoundedTextArray<99> PermNames;
extern bool OutputSilenced;

// Back to the values at program start (tests).
void ResetSharedState();

}  // namespace Module1

// Sets OutputSilenced for a command whose output is parsed, and clears it again at the end.
class SilencedOutput {
 public:
  SilencedOutput() { Module1::OutputSilenced = true; }
  ~SilencedOutput() { Module1::OutputSilenced = false; }
  SilencedOutput(const SilencedOutput&) = delete;
  SilencedOutput& operator=(const SilencedOutput&) = delete;
};

// Waits the given seconds while processing events, measured on a steady clock: midnight, a
// daylight-saving change or a clock set by hand changes nothing. Between events the thread sleeps,
// so the wait costs no processor time.
void WaitSeconds(float Seconds);
// The steady clock that WaitSeconds reads; tests set their own (empty function: the system's). A
// wait on a test's clock never sleeps, since that clock does not follow real time.
Seam<std::function<std::chrono::nanoseconds()>>& WaitClockSeam();

// Draws the image file into the box at its natural size from the top-left corner. False when
// nothing was drawn; before the image has loaded the box is left untouched.
bool DrawPictureFile(const QString& FileName, PictureBox* Pic);
