#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "main_window/log_box.h"
#include "startup_fixture.h"

// A package name that is no Android package name never reaches a command line: no dumpsys at
// start-up or on the poll, and no folder beside the APK ("..", the parent) counts as its OBB folder.
TEST_F(StartupTest, PackageNamesThatAreNoPackageNamesRunNoDeviceCommand) {
  tools.setScenario("adb", "when devices\nout List of devices attached\\r\\n1WMHH0000000\\tdevice\\r\\n\\r\\n\n"
                           "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                           "when~ dumpsys\nout versionCode=1 minSdk=29\\r\\n\n");
  QDir dir(tools.path());
  ASSERT_TRUE(dir.mkpath("apks/a;reboot"));
  QFile(dir.filePath("parent.obb")).open(QIODevice::WriteOnly);
  QFile(dir.filePath("apks/a;reboot/x.obb")).open(QIODevice::WriteOnly);
  const QString apk = dir.filePath("apks/game.apk");
  QFile(apk).open(QIODevice::WriteOnly);
  for (const char* name : {"..", "a;reboot", ";reboot;", "com.a/../..", "com.a b", "."}) {
    Fresh({{"Explentry", "on"}});
    tools.clearCalls();
    tools.setScenario("aapt", QStringLiteral("when~ badging\nout package: name='%1' versionCode='2'\\n").arg(name));
    Load(apk);
    {
      auto inFront = ScopedOverride(platform::ForegroundSeam(), [](const QWidget*) { return true; });
      window->Timer3_Timer();
    }

    EXPECT_EQ(window->Label2->text(), QString::fromUtf8(name));
    EXPECT_EQ(tools.calls().filter("dumpsys"), QStringList{}) << name;
    EXPECT_FALSE(window->txtOutputs->Text().contains("obb")) << name << window->txtOutputs->Text().toStdString();
    EXPECT_FALSE(window->Command4->isEnabled()) << name;
  }
}
