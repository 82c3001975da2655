#pragma once
#include <QString>
#include <QWidget>
#include <functional>

class PictureBox;
class QTimer;

// The splash: shows the main window at once for an empty command line, otherwise from its timer,
// so that it stays on screen while the APK is analysed. The main window hides it.
class Form9 : public QWidget {
  Q_OBJECT
 public:
  explicit Form9(QWidget* parent = nullptr);

  void Form_Load(const QString& commandLine, std::function<void()> showMainWindow);
  void Timer1_Timer();

  PictureBox* Picture1 = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  std::function<void()> showMainWindow_;
};
