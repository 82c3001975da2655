#pragma once
// Form5: the borderless window that counts the apps while the installed-apps window loads.

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

class Form5 : public QWidget {
  Q_OBJECT
 public:
  // showInstalledApps: what Timer1 does once it has switched itself off (show Form4).
  explicit Form5(std::function<void()> showInstalledApps, QWidget* parent = nullptr);

  // Loads the window on its first showing (Timer1 starts), then shows it centred.
  void Show();
  void Timer1_Timer();

  // A box from the left edge to x twips, full height, in the bar colour. Each box is drawn over
  // the ones before, so the window keeps the widest and paints it again when it repaints.
  void DrawProgressBar(int xTwips);
  int BarTwips() const { return barTwips_; }

  QLabel* Label1 = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The load hides the window when it ends; a close from the window manager before that would
  // leave the program without any window shown.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> showInstalledApps_;
  bool loaded_ = false;
  int barTwips_ = 0;
};
