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

namespace {

qint32 StoredColour(const QWidget* widget, const char* property, qint32 designed) {
  QVariant value = widget->property(property);
  return value.isValid() ? value.toInt() : designed;
}

void ApplyColour(QWidget* widget, const char* property, qint32 colour, QPalette::ColorRole role,
                 QPalette::ColorRole buttonRole) {
  widget->setProperty(property, colour);
  QPalette palette = widget->palette();
  palette.setColor(role, ToQColor(colour));
  palette.setColor(buttonRole, ToQColor(colour));
  widget->setPalette(palette);
}

}  // namespace

qint32 BackColor(const QWidget* widget) { return StoredColour(widget, kBackProperty, kButtonFace); }
qint32 ForeColor(const QWidget* widget) { return StoredColour(widget, kForeProperty, kButtonText); }

void SetBackColor(QWidget* widget, qint32 colour) {
  ApplyColour(widget, kBackProperty, colour, QPalette::Window, QPalette::Button);
  widget->setAutoFillBackground(true);
}

void SetForeColor(QWidget* widget, qint32 colour) {
  ApplyColour(widget, kForeProperty, colour, QPalette::WindowText, QPalette::ButtonText);
}

}  // namespace vbcolor
