#include "runner/vb_color.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace vbcolor {
namespace {

const char* kBackProperty = "BackColor";
const char* kForeProperty = "ForeColor";

QColor SystemColour(qint32 colour) {
  QPalette palette = QApplication::palette();
  switch (static_cast<quint32>(colour) & 0xFF) {
    case 0x05: return palette.color(QPalette::Base);
    case 0x08: return palette.color(QPalette::Text);
    case 0x0F: return palette.color(QPalette::Button);
    case 0x12: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(qint32 colour) {
  if (colour < 0) return SystemColour(colour);
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

qint32 BackColor(const QWidget* widget) {
  QVariant value = widget->property(kBackProperty);
  return value.isValid() ? value.toInt() : kButtonFace;
}

qint32 ForeColor(const QWidget* widget) {
  QVariant value = widget->property(kForeProperty);
  return value.isValid() ? value.toInt() : kButtonText;
}

void SetBackColor(QWidget* widget, qint32 colour) {
  widget->setProperty(kBackProperty, colour);
  QPalette palette = widget->palette();
  QColor qcolour = ToQColor(colour);
  palette.setColor(QPalette::Window, qcolour);
  palette.setColor(QPalette::Button, qcolour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetForeColor(QWidget* widget, qint32 colour) {
  widget->setProperty(kForeProperty, colour);
  QPalette palette = widget->palette();
  QColor qcolour = ToQColor(colour);
  palette.setColor(QPalette::WindowText, qcolour);
  palette.setColor(QPalette::ButtonText, qcolour);
  widget->setPalette(palette);
}

}  // namespace vbcolor
