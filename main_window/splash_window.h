#pragma once
#include <QWidget>

// Placeholder until the window is built.
class Form9 : public QWidget {
  Q_OBJECT
 public:
  explicit Form9(QWidget* parent = nullptr);
};
