#include <QApplication>
#include <QStringList>

#include "main_window/caption_style.h"
#include "main_window/morvell.h"
#include "main_window/splash_window.h"

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(resources);  // the pictures live in a static library
  QApplication app(argc, argv);
  QApplication::setStyle(new CaptionStyle(QStringLiteral("Fusion")));
  // The whole command line after the program's name is the path of one APK file.
  QString commandLine = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));

  morvell window;
  window.SetCommandLine(commandLine);
  // The splash opens first: with an APK it stays in view while the analysis blocks the window.
  Form9 splash;
  window.SetSplash(&splash);
  splash.show();
  QCoreApplication::processEvents();
  splash.Form_Load(commandLine, [&window] { window.Show(); });
  return app.exec();
}
