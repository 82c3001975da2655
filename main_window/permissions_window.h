#pragma once
#include <QWidget>

class QGroupBox;
class QLabel;

// Lists the permissions that the APK's manifest asks for; a click on the list hides it.
class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  void Label1_Click();

  // The list: lines end in a carriage return.
  void SetLabel1Caption(const QString& caption);

  QGroupBox* Permissions = nullptr;
  QLabel* Label1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
