#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "runner/mouse_wheel_hook.h"
#include "support/gtest_qt.h"

namespace {

// A window offering MouseWheel; it records the calls and the events that reach it.
class WheelForm : public QWidget {
  Q_OBJECT
 public:
  std::vector<std::vector<int>> calls;
  std::vector<QEvent::Type> seen;
  Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
    calls.push_back({MouseKeys, Rotation, Xpos, Ypos});
  }

 protected:
  bool event(QEvent* event) override {
    seen.push_back(event->type());
    return event->type() == QEvent::User || QWidget::event(event);
  }
};

// Wheel events share their pointer's state, so each is made just before it is handled.
bool Turn(QWidget* target, QPoint global, QPoint delta, Qt::MouseButtons buttons = {},
          Qt::KeyboardModifiers mods = {}, bool direct = false) {
  QWheelEvent event(QPointF(1, 1), QPointF(global), QPoint(), delta, buttons, mods, Qt::NoScrollPhase, false);
  return direct ? MouseWheelWndProc(target, &event) : QApplication::sendEvent(target, &event);
}

}  // namespace

TEST(MouseWheelHook, PointInWindowCountsAllFourEdgesAlsoLeftOfAndAboveTheScreen) {
  WheelForm form;
  form.setGeometry(-500, -300, 200, 100);
  auto* child = new QWidget(&form);
  child->setGeometry(10, 20, 50, 40);
  const std::tuple<QWidget*, int, int, bool> cases[] = {
      {&form, -500, -300, true},  {&form, -300, -200, true},  {&form, -501, -250, false},
      {&form, -299, -250, false}, {&form, -400, -199, false}, {child, -490, -280, true},
      {child, -440, -240, true},  {child, -439, -240, false}, {nullptr, 0, 0, false},
  };
  for (const auto& [window, x, y, inside] : cases) EXPECT_EQ(PointInWindow(window, x, y), inside) << x << "," << y;
  EXPECT_EQ(FindFormByHwnd(child), nullptr);
}

TEST(MouseWheelHook, WheelOverTheFormCallsMouseWheelAndStillReachesTheForm) {
  WheelForm form;
  form.setGeometry(-400, 50, 300, 200);
  HookMouseWheel(&form);
  Turn(&form, {-250, 120}, {0, -120}, Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
  Turn(&form, {-400, 250}, {0, 240}, Qt::MiddleButton);
  Turn(&form, {-401, 120}, {0, 120});  // outside the window
  Turn(&form, {-250, 120}, {120, 0});  // sideways
  EXPECT_EQ(form.calls, (std::vector<std::vector<int>>{{15, -120, -250, 120}, {16, 240, -400, 250}}));
  EXPECT_EQ(std::count(form.seen.begin(), form.seen.end(), QEvent::Wheel), 4);
  QEvent user(QEvent::User);  // any other event reaches the window with its result
  EXPECT_TRUE(QApplication::sendEvent(&form, &user));
  EXPECT_EQ(form.seen.back(), QEvent::User);
}

TEST(MouseWheelHook, AHookedControlHandsATurnOutsideItselfToItsForm) {
  WheelForm form;
  form.setGeometry(100, 100, 300, 200);
  auto* control = new QWidget(&form);
  control->setGeometry(0, 0, 100, 50);
  HookMouseWheel(control);
  EXPECT_FALSE(Turn(control, {150, 120}, {0, 120}, {}, {}, true));  // over the control
  EXPECT_TRUE(Turn(control, {300, 250}, {0, 120}, {}, {}, true));
  EXPECT_FALSE(Turn(control, {50, 50}, {0, 120}, {}, {}, true));  // outside the form too
  EXPECT_EQ(form.calls, (std::vector<std::vector<int>>{{0, 120, 300, 250}}));
}

#include "mouse_wheel_hook_test.moc"
