#pragma once
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

// The tip shown at a start without an APK while the "tooltip" setting is "on".
class Form7 : public QWidget {
  Q_OBJECT
 public:
  explicit Form7(QWidget* parent = nullptr);

  void Form_Load();
  void Command1_Click();

  QLabel* Label1 = nullptr;
  QCheckBox* Check1 = nullptr;
  QPushButton* Command1 = nullptr;

  // Called when the "tooltip" setting could not be saved.
  std::function<void()> SettingNotSaved;
};
