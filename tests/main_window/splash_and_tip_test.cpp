#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "main_window/settings.h"
#include "main_window/splash_window.h"
#include "main_window/tip_window.h"
#include "runner/picture_box.h"

TEST(SplashWindow, ShowsTheMainWindowAtOnceWithoutApkAndFromItsTimerWithOne) {
  Form9 empty;
  int shown = 0;
  empty.Form_Load(QString(), [&] { ++shown; });
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(empty.Timer1->isActive());

  Form9 withApk;
  shown = 0;
  withApk.Form_Load(QStringLiteral("/tmp/a.apk"), [&] { ++shown; });
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(withApk.Timer1->isActive());
  EXPECT_EQ(withApk.Timer1->interval(), 1);
  withApk.Timer1_Timer();
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(withApk.Timer1->isActive()) << "the main window is shown once";
}

TEST(SplashWindow, HasNoCaptionAndShowsItsPictureInItsClientArea) {
  Form9 splash;
  EXPECT_TRUE(splash.windowTitle().isEmpty());
  EXPECT_EQ(splash.size(), QSize(3825 / 15, 1620 / 15));
  EXPECT_EQ(splash.Picture1->Picture().size(), QSize(256, 108));
}

class TipWindow : public ::testing::Test {
 protected:
  void SetUp() override { Store().clear(); }
  void TearDown() override { Store().clear(); }
  static QSettings Store() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Tarnwick", "Tarnwick"); }
};

TEST_F(TipWindow, CarriesItsTextsExactly) {
  Form7 tip;
  EXPECT_EQ(tip.windowTitle(), QStringLiteral("Tip"));
  EXPECT_EQ(tip.size(), QSize(5760 / 15, 3420 / 15));
  EXPECT_EQ(tip.Label1->text(),
            QStringLiteral("Tarnwick自身已集成到“资源管理器”菜单中, 要安装APK，只需在APK上右键单击并选择Tarnwick") +
                QString(65, ' ') + QStringLiteral("\r\n\r\n") +
                QStringLiteral("仅当您要使用其他功能（例如：ADB命令行，已安装的应用程序管理，将Quest挂载为驱动器或运行Quest "
                               "ADB命令）时，才可以直接启动Tarnwick") +
                QString(106, ' '));
  EXPECT_EQ(tip.Check1->text(), QStringLiteral("不再显示") + QString(9, ' '));
  EXPECT_EQ(tip.Command1->text(), QStringLiteral("OK"));
}

TEST_F(TipWindow, OkHidesAndTurnsTheTipOffOnlyWhenTicked) {
  SaveSetting("tooltip", "on");
  Form7 tip;
  tip.show();
  tip.Command1->click();
  EXPECT_FALSE(tip.isVisible());
  EXPECT_EQ(GetSetting("tooltip", "missing"), QStringLiteral("on"));

  tip.show();
  tip.Check1->setChecked(true);
  tip.Command1->click();
  EXPECT_FALSE(tip.isVisible());
  EXPECT_EQ(GetSetting("tooltip", "missing"), QStringLiteral("off"));
}
