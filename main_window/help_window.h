#pragma once
#include <QImage>
#include <QWidget>

// The help picture: one fixed image, no controls; a click hides it (it stays loaded).
class Form2 : public QWidget {
  Q_OBJECT
 public:
  explicit Form2(QWidget* parent = nullptr);

  void Form_Click();
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};
