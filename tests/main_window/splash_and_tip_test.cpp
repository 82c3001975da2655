#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "main_window/settings.h"
#include "main_window/splash_window.h"
#include "main_window/tip_window.h"
#include "runner/picture_box.h"
#include "support/gtest_qt.h"

TEST(SplashWindow, ShowsTheMainWindowAtOnceWithoutApkAndFromItsTimerWithOne) {
  Form9 empty;
  int shown = 0;
  empty.Form_Load(QString(), [&] { ++shown; });
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(empty.Timer1->isActive());
  EXPECT_TRUE(empty.windowTitle().isEmpty());
  EXPECT_EQ(empty.Picture1->Picture().size(), QSize(256, 108));

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

TEST(TipWindow, OkHidesAndTurnsTheTipOffOnlyWhenTicked) {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Tarnwick", "Tarnwick");
  store.clear();
  SaveSetting("tooltip", "on");
  Form7 tip;
  for (bool ticked : {false, true}) {
    tip.show();
    tip.Check1->setChecked(ticked);
    tip.Command1->click();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(GetSetting("tooltip", "missing"), QString(ticked ? "off" : "on"));
  }
  store.clear();
}
