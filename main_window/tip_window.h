#pragma once
#include <QWidget>

// Placeholder until the window is built.
class Form7 : public QWidget {
  Q_OBJECT
 public:
  explicit Form7(QWidget* parent = nullptr);
};
