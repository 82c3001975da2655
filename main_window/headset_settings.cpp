#include "main_window/headset_settings.h"

namespace {
const QString kSetprop = QStringLiteral(" shell setprop ");

QStringList Setprop(const QString& property) { return {kSetprop + property}; }

QStringList SetpropPair(const QString& widthProperty, const QString& heightProperty) {
  return {kSetprop + widthProperty, kSetprop + heightProperty};
}

QStringList TextureSize(const QString& size) {
  return SetpropPair(QStringLiteral("debug.oculus.textureWidth ") + size,
                     QStringLiteral("debug.oculus.textureHeight ") + size);
}

QStringList CaptureSize(const QString& width, const QString& height) {
  return SetpropPair(QStringLiteral("debug.oculus.capture.width ") + width,
                     QStringLiteral("debug.oculus.capture.height ") + height);
}

enum Frame { kGuardian, kRefreshRate, kFoveation, kFullRateCapture, kCaptureSize, kTextureSize, kReboot };
}  // namespace

const std::array<QString, kHeadsetFrameCount>& HeadsetFrameCaptions() {
  static const std::array<QString, kHeadsetFrameCount> captions{
      QStringLiteral("Guardian"),
      QStringLiteral("Set Refresh Rate"),
      QStringLiteral("Set Fixed Foveated Rendering level"),
      QStringLiteral("Full Rate Capture"),
      QStringLiteral("Video Capture Size"),
      QStringLiteral("Texture Size"),
      QStringLiteral("Reboot Quest"),
  };
  return captions;
}

const std::array<HeadsetSetting, kHeadsetSettingCount>& HeadsetSettings() {
  static const std::array<HeadsetSetting, kHeadsetSettingCount> settings{{
      {kGuardian, QStringLiteral("On"), Setprop(QStringLiteral("debug.oculus.guardian_pause 1"))},
      {kGuardian, QStringLiteral("Off"), Setprop(QStringLiteral("debug.oculus.guardian_pause 0"))},
      {kRefreshRate, QStringLiteral("72"), Setprop(QStringLiteral("debug.oculus.refreshRate 72"))},
      {kRefreshRate, QStringLiteral("90"), Setprop(QStringLiteral("debug.oculus.refreshRate 90"))},
      {kFoveation, QStringLiteral("0"), Setprop(QStringLiteral("debug.oculus.foveation.level 0"))},
      {kFoveation, QStringLiteral("1"), Setprop(QStringLiteral("debug.oculus.foveation.level 1"))},
      {kFoveation, QStringLiteral("2"), Setprop(QStringLiteral("debug.oculus.foveation.level 2"))},
      {kFoveation, QStringLiteral("3"), Setprop(QStringLiteral("debug.oculus.foveation.level 3"))},
      {kFoveation, QStringLiteral("4"), Setprop(QStringLiteral("debug.oculus.foveation.level 4"))},
      {kFullRateCapture, QStringLiteral("On"), Setprop(QStringLiteral("debug.oculus.fullRateCapture 1"))},
      {kFullRateCapture, QStringLiteral("Off"), Setprop(QStringLiteral("debug.oculus.fullRateCapture 0"))},
      {kCaptureSize, QStringLiteral("720p"), CaptureSize(QStringLiteral("1280"), QStringLiteral("720"))},
      {kCaptureSize, QStringLiteral("480p"), CaptureSize(QStringLiteral("640"), QStringLiteral("480"))},
      {kCaptureSize, QStringLiteral("1080p"), CaptureSize(QStringLiteral("1920"), QStringLiteral("1080"))},
      {kTextureSize, QStringLiteral("1536"), TextureSize(QStringLiteral("1536"))},
      {kTextureSize, QStringLiteral("1280"), TextureSize(QStringLiteral("1280"))},
      {kTextureSize, QStringLiteral("1024"), TextureSize(QStringLiteral("1024"))},
      {kTextureSize, QStringLiteral("768"), TextureSize(QStringLiteral("768"))},
      {kTextureSize, QStringLiteral("512"), TextureSize(QStringLiteral("512"))},
      {kTextureSize, QStringLiteral("2048"), TextureSize(QStringLiteral("2048"))},
      {kTextureSize, QStringLiteral("2560"), TextureSize(QStringLiteral("2560"))},
      {kTextureSize, QStringLiteral("3072"), TextureSize(QStringLiteral("3072"))},
      {kReboot, QStringLiteral("Start"), {QStringLiteral(" reboot")}},
  }};
  return settings;
}
