#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "main_window/log_box.h"
#include "startup_fixture.h"
#include "support/fixtures.h"
#include "support/test_files.h"

// A package name that is no Android package name never reaches a command line: no dumpsys at
// start-up or on the poll, and no folder beside the APK ("..", the parent) counts as its OBB folder.
TEST_F(StartupTest, PackageNamesThatAreNoPackageNamesRunNoDeviceCommand) {
  folder.setScenario("adb", "when devices\n" + FixtureOut("adb_devices_one_headset.txt") +
                           "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                           "when~ dumpsys\nout versionCode=1 minSdk=29\\r\\n\n");
  QDir dir(folder.path());
  ASSERT_TRUE(dir.mkpath("apks/a;reboot"));
  ASSERT_TRUE(WriteTestFile(dir.filePath("parent.obb")));
  ASSERT_TRUE(WriteTestFile(dir.filePath("apks/a;reboot/x.obb")));
  const QString apk = dir.filePath("apks/game.apk");
  ASSERT_TRUE(WriteTestFile(apk));
  for (const char* name : {"..", "a;reboot", ";reboot;", "com.a/../..", "com.a b", "."}) {
    Fresh({{"Explentry", "on"}});
    folder.clearCalls();
    folder.setScenario("aapt", QStringLiteral("when~ badging\nout package: name='%1' versionCode='2'\\n").arg(name));
    Load(apk);
    {
      auto inFront = ScopedOverride(platform::ForegroundSeam(), [](const QWidget*) { return true; });
      window->Timer3_Timer();
    }

    EXPECT_EQ(window->Label2->text(), QString::fromUtf8(name));
    EXPECT_EQ(folder.calls().filter("dumpsys"), QStringList{}) << name;
    EXPECT_FALSE(window->txtOutputs->Text().contains("obb")) << name << window->txtOutputs->Text().toStdString();
    EXPECT_FALSE(window->Command4->isEnabled()) << name;
  }
}
