#include "runner/mouse_wheel_hook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QVariant>
#include <QWheelEvent>
#include <QWidget>

namespace {

const char* kPrevWndProc = "PrevWndProc";

class WheelHook : public QObject {
 public:
  explicit WheelHook(QWidget* window) : QObject(window), window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    return watched == window_ && MouseWheelWndProc(window_, event);
  }

 private:
  QWidget* window_;
};

int MouseKeysOf(const QWheelEvent* wheel) {
  Qt::MouseButtons buttons = wheel->buttons();
  Qt::KeyboardModifiers mods = wheel->modifiers();
  return (buttons & Qt::LeftButton ? 0x1 : 0) | (buttons & Qt::RightButton ? 0x2 : 0) |
         (mods & Qt::ShiftModifier ? 0x4 : 0) | (mods & Qt::ControlModifier ? 0x8 : 0) |
         (buttons & Qt::MiddleButton ? 0x10 : 0) | (buttons & Qt::XButton1 ? 0x20 : 0) |
         (buttons & Qt::XButton2 ? 0x40 : 0);
}

void CallMouseWheel(QWidget* form, int MouseKeys, int Rotation, int Xpos, int Ypos) {
  QMetaObject::invokeMethod(form, "MouseWheel", Qt::DirectConnection, Q_ARG(int, MouseKeys), Q_ARG(int, Rotation),
                            Q_ARG(int, Xpos), Q_ARG(int, Ypos));
}

bool DroppedDown(QWidget* control) {
  auto* combo = qobject_cast<QComboBox*>(control);
  return combo && combo->view() && combo->view()->isVisible();
}

}  // namespace

void HookMouseWheel(QWidget* hWnd) {
  if (!hWnd || hWnd->property(kPrevWndProc).isValid()) return;
  auto* hook = new WheelHook(hWnd);
  hWnd->installEventFilter(hook);
  hWnd->setProperty(kPrevWndProc, QVariant::fromValue<QObject*>(hook));
}

void UnhookMouseWheel(QWidget* hWnd) {
  if (!hWnd) return;
  if (auto* hook = hWnd->property(kPrevWndProc).value<QObject*>()) {
    hWnd->removeEventFilter(hook);
    delete hook;
  }
  hWnd->setProperty(kPrevWndProc, QVariant());
}

bool MouseWheelWndProc(QWidget* hWnd, QEvent* event) {
  if (!hWnd || !event || event->type() != QEvent::Wheel) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  const int Rotation = wheel->angleDelta().y();
  if (Rotation == 0) return false;  // a sideways turn is not the wheel
  const int MouseKeys = MouseKeysOf(wheel);
  const QPoint global = wheel->globalPosition().toPoint();
  const int Xpos = global.x();
  const int Ypos = global.y();

  if (QWidget* form = FindFormByHwnd(hWnd)) {
    if (PointInWindow(form, Xpos, Ypos)) CallMouseWheel(form, MouseKeys, Rotation, Xpos, Ypos);
    return false;
  }
  // A hooked control hands a turn outside itself to its form. A parent that is no form has
  // no one to take it, and the control keeps the turn.
  QWidget* parent = hWnd->parentWidget();
  if (parent && !PointInWindow(hWnd, Xpos, Ypos) && PointInWindow(parent, Xpos, Ypos) && !DroppedDown(hWnd)) {
    if (QWidget* form = FindFormByHwnd(parent)) {
      CallMouseWheel(form, MouseKeys, Rotation, Xpos, Ypos);
      return true;
    }
  }
  return false;
}

QWidget* FindFormByHwnd(QWidget* hWnd) {
  if (!hWnd) return nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window == hWnd) return window;
  return nullptr;
}

bool PointInWindow(QWidget* hWnd, int X, int Y) {
  if (!hWnd) return false;
  QRect rect = hWnd->isWindow() ? hWnd->frameGeometry() : QRect(hWnd->mapToGlobal(QPoint(0, 0)), hWnd->size());
  int right = rect.left() + rect.width();
  int bottom = rect.top() + rect.height();
  return X >= rect.left() && X <= right && Y >= rect.top() && Y <= bottom;
}
