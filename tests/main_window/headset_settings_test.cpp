#include "main_window/headset_settings.h"
#include "support/gtest_qt.h"

#include <QRegularExpression>

// A stray or missing blank would set the wrong property on the headset; a size pair must set the
// width first; a frame's buttons must be one run so that the panel lays them out together.
TEST(HeadsetSettings, EveryLineIsOneSetpropAndPairsSetWidthBeforeHeight) {
  const QRegularExpression setprop(QStringLiteral("^ shell setprop debug\\.oculus\\.[A-Za-z_.]+ [0-9]+$"));
  int frame = 0;
  for (int i = 0; i < kHeadsetSettingCount; ++i) {
    SCOPED_TRACE(i);
    const HeadsetSetting& setting = HeadsetSettings()[i];
    EXPECT_TRUE(setting.frame == frame || setting.frame == frame + 1);
    frame = setting.frame;
    if (i == kHeadsetSettingCount - 1) break;  // the reboot button: see the console tests
    ASSERT_TRUE(setting.arguments.size() == 1 || setting.arguments.size() == 2);
    for (const QString& line : setting.arguments)
      EXPECT_TRUE(setprop.match(line).hasMatch()) << "[" << line.toStdString() << "]";
    if (setting.arguments.size() == 2) {
      EXPECT_TRUE(setting.arguments[0].contains(QRegularExpression("[wW]idth "))) << setting.arguments[0].toStdString();
      EXPECT_TRUE(setting.arguments[1].contains(QRegularExpression("[hH]eight "))) << setting.arguments[1].toStdString();
      // Texture buttons read the size they set; capture buttons the height ("720p").
      const QString& caption = setting.buttonCaption;
      bool capture = caption.endsWith('p');
      EXPECT_TRUE(setting.arguments[1].endsWith(' ' + (capture ? caption.chopped(1) : caption)));
      if (!capture) {
        EXPECT_TRUE(setting.arguments[0].endsWith(' ' + caption));
      }
    }
  }
  EXPECT_EQ(frame, kHeadsetFrameCount - 1);
}
