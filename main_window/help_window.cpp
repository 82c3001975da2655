#include "main_window/help_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "runner/form_building.h"

namespace {
constexpr int kClientTwips = 7665;
}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window), picture_(QStringLiteral(":/help.png")) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  setFixedSize(Pixels(kClientTwips), Pixels(kClientTwips));
}

void Form2::Form_Click() { hide(); }

void Form2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

// A click is a press and release of the left button over the window.
void Form2::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Form_Click();
}
