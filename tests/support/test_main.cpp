#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "support/gtest_qt.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings and desktop entries go to a folder of this run, never to the user's own.
  QTemporaryDir home;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + "/config");
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  QApplication app(argc, argv);
  // The pictures are compiled into a static library, so they are registered by hand.
  Q_INIT_RESOURCE(resources);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
