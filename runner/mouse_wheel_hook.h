#pragma once
// The mouse-wheel hook of a window: an event filter kept in the window's property "PrevWndProc".
// On a wheel turn over a hooked window, its public "MouseWheel" is called by name, so the window
// declares it invokable:
//   Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos);
// MouseKeys: 1 left, 2 right, 4 shift, 8 control, 16 middle button; Rotation: the wheel's turn,
// 120 a notch, positive away from the user; Xpos, Ypos: the pointer on the screen in pixels.

class QEvent;
class QWidget;

void HookMouseWheel(QWidget* hWnd);
void UnhookMouseWheel(QWidget* hWnd);

// The hook's handling of one event that reached the hooked window; true when the event is used
// up, false when it goes on to the window as before.
bool MouseWheelWndProc(QWidget* hWnd, QEvent* event);

// The first of the application's top-level windows that is hWnd; nullptr when none is.
QWidget* FindFormByHwnd(QWidget* hWnd);

// The point (screen pixels) lies in the window's screen rectangle, all four edges included.
bool PointInWindow(QWidget* hWnd, int X, int Y);
