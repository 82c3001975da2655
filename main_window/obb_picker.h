#pragma once
#include <QWidget>

// Placeholder until the window is built.
class Form3 : public QWidget {
  Q_OBJECT
 public:
  explicit Form3(QWidget* parent = nullptr);
};
