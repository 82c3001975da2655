#include "main_window/headset_settings.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

TEST(HeadsetSettings, FramesHoldTheirButtonsTogetherInPanelOrder) {
  const std::array<QString, kHeadsetFrameCount> expectedFrames{
      "Guardian",          "Set Refresh Rate",   "Set Fixed Foveated Rendering level", "Full Rate Capture",
      "Video Capture Size", "Texture Size",      "Reboot Quest"};
  EXPECT_EQ(HeadsetFrameCaptions(), expectedFrames);

  // Each frame's buttons are consecutive indexes, so a frame can be laid out as one run.
  const std::array<int, kHeadsetFrameCount> buttonsPerFrame{2, 2, 5, 2, 3, 8, 1};
  int index = 0;
  for (int frame = 0; frame < kHeadsetFrameCount; ++frame)
    for (int b = 0; b < buttonsPerFrame[frame]; ++b, ++index)
      EXPECT_EQ(HeadsetSettings()[index].frame, frame) << "button " << index;
  EXPECT_EQ(index, kHeadsetSettingCount);
}

TEST(HeadsetSettings, ButtonCaptionsReadAsOnThePanel) {
  QStringList captions;
  for (const HeadsetSetting& setting : HeadsetSettings()) captions << setting.buttonCaption;
  EXPECT_EQ(captions.join('|'),
            "On|Off|72|90|0|1|2|3|4|On|Off|720p|480p|1080p|1536|1280|1024|768|512|2048|2560|3072|Start");
}

// Every setprop line is the fixed prefix, a property name, one blank and a number: a stray or
// missing blank would set the wrong property on the headset.
TEST(HeadsetSettings, EverySetpropLineIsPrefixPropertyBlankValue) {
  const QRegularExpression line(QStringLiteral("^ shell setprop debug\\.oculus\\.[A-Za-z_.]+ [0-9]+$"));
  for (int i = 0; i < 22; ++i)
    for (const QString& arguments : HeadsetSettings()[i].arguments)
      EXPECT_TRUE(line.match(arguments).hasMatch()) << i << ": [" << arguments.toStdString() << "]";
}

TEST(HeadsetSettings, SizePairsSetWidthBeforeHeight) {
  struct Case {
    int index;
    QStringList arguments;
  };
  const Case cases[] = {
      {11, {" shell setprop debug.oculus.capture.width 1280", " shell setprop debug.oculus.capture.height 720"}},
      {12, {" shell setprop debug.oculus.capture.width 640", " shell setprop debug.oculus.capture.height 480"}},
      {13, {" shell setprop debug.oculus.capture.width 1920", " shell setprop debug.oculus.capture.height 1080"}},
      {19, {" shell setprop debug.oculus.textureWidth 2048", " shell setprop debug.oculus.textureHeight 2048"}},
      {21, {" shell setprop debug.oculus.textureWidth 3072", " shell setprop debug.oculus.textureHeight 3072"}},
  };
  for (const Case& c : cases) EXPECT_EQ(HeadsetSettings()[c.index].arguments, c.arguments) << c.index;

  for (int i = 14; i <= 21; ++i) {
    const HeadsetSetting& texture = HeadsetSettings()[i];
    ASSERT_EQ(texture.arguments.size(), 2) << i;
    EXPECT_TRUE(texture.arguments[0].endsWith(" " + texture.buttonCaption)) << i;
    EXPECT_TRUE(texture.arguments[1].endsWith(" " + texture.buttonCaption)) << i;
  }
}

TEST(HeadsetSettings, SingleCommandButtons) {
  const std::pair<int, QString> cases[] = {
      {0, " shell setprop debug.oculus.guardian_pause 1"},
      {1, " shell setprop debug.oculus.guardian_pause 0"},
      {3, " shell setprop debug.oculus.refreshRate 90"},
      {8, " shell setprop debug.oculus.foveation.level 4"},
      {9, " shell setprop debug.oculus.fullRateCapture 1"},
      {22, " reboot"},
  };
  for (const auto& [index, arguments] : cases) EXPECT_EQ(HeadsetSettings()[index].arguments, QStringList{arguments});
}
