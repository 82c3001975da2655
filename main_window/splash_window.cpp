#include "main_window/splash_window.h"

#include <QTimer>

#include "runner/form_building.h"
#include "runner/picture_box.h"

Form9::Form9(QWidget* parent) : QWidget(parent, Qt::SplashScreen) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(QString());
  setFixedSize(Pixels(3825), Pixels(1620));

  Picture1 = MakeControl<PictureBox>(this, QStringLiteral("Picture1"));
  Picture1->SetBorder(false);
  Picture1->SetPicture(QImage(QStringLiteral(":/splash.png")));
  Picture1->setGeometry(rect());

  Timer1 = MakeControl<QTimer>(this, QStringLiteral("Timer1"));
  Timer1->setInterval(1);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

  CentreOnScreen(this);
}

void Form9::Form_Load(const QString& commandLine, std::function<void()> showMainWindow) {
  showMainWindow_ = std::move(showMainWindow);
  if (commandLine.isEmpty()) {
    Timer1->stop();
    if (showMainWindow_) showMainWindow_();
    return;
  }
  Timer1->start();
}

void Form9::Timer1_Timer() {
  Timer1->stop();
  if (showMainWindow_) showMainWindow_();
}
