#pragma once
#include <QWidget>

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
};
