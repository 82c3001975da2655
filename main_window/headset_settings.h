#pragma once
// The headset-setting buttons of the device-tools panel: where each sits, what it reads and which
// adb argument strings it runs, in order. Layout reads the captions from here; Command13_Click the
// arguments.

#include <QString>
#include <QStringList>
#include <array>

struct HeadsetSetting {
  int frame;                // index into HeadsetFrameCaptions()
  QString buttonCaption;
  QStringList arguments;    // each one argument string for tools::AdbCommand, run one after the other
};

inline constexpr int kHeadsetSettingCount = 23;
inline constexpr int kHeadsetFrameCount = 7;

// The captions of the frames that group the buttons, in panel order.
const std::array<QString, kHeadsetFrameCount>& HeadsetFrameCaptions();
// The buttons by their Command13 index (0 to 22).
const std::array<HeadsetSetting, kHeadsetSettingCount>& HeadsetSettings();
