#include <QApplication>
#include <QStringList>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The whole command line after the program's name is the path of one APK file.
  QString commandLine = QCoreApplication::arguments().mid(1).join(' ');
  Q_UNUSED(commandLine);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Tarnwick"));
  window.show();
  return app.exec();
}
