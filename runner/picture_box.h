#pragma once
#include <QImage>
#include <QWidget>

// A box that shows one picture at its natural size from its top-left corner, cut off at its
// edges, on its own background colour.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  void SetBorder(bool border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool border_ = true;
};
