#pragma once
// Building the windows' controls from their designed places in twips (15 to the pixel).

#include <QFont>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

constexpr int kTwipsPerPixel = 15;

// Mouse events as the handlers take them: buttons 1 left, 2 right, 4 middle; shift 1, ctrl 2,
// alt 4; positions in twips.
inline int ButtonMask(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}
inline int ShiftMask(Qt::KeyboardModifiers mods) {
  return (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
         (mods & Qt::AltModifier ? 4 : 0);
}
inline float ToTwips(qreal pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

// A control with its name (and, for a control array, its index as the property "Index").
template <typename W>
W* MakeControl(QWidget* parent, const QString& name, int index = -1) {
  auto* widget = new W(parent);
  widget->setObjectName(name);
  if (index >= 0) widget->setProperty("Index", index);
  return widget;
}

inline QFont DesignFont(const QString& family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

inline void CentreOnScreen(QWidget* window) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}
