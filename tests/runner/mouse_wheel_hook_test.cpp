#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "runner/mouse_wheel_hook.h"

namespace {

// A window offering MouseWheel, recording its calls and the events that reach it.
class WheelForm : public QWidget {
  Q_OBJECT
 public:
  struct Call {
    int keys, rotation, x, y;
  };
  std::vector<Call> calls;
  std::vector<QEvent::Type> seen;

  Q_INVOKABLE void MouseWheel(int MouseKeys, int Rotation, int Xpos, int Ypos) {
    calls.push_back({MouseKeys, Rotation, Xpos, Ypos});
  }

 protected:
  bool event(QEvent* event) override {
    seen.push_back(event->type());
    if (event->type() == QEvent::User) return true;
    return QWidget::event(event);
  }
};

QWheelEvent Wheel(QPoint global, int delta, Qt::MouseButtons buttons = {}, Qt::KeyboardModifiers mods = {}) {
  return QWheelEvent(QPointF(1, 1), QPointF(global), QPoint(), QPoint(0, delta), buttons, mods, Qt::NoScrollPhase,
                     false);
}

std::unique_ptr<WheelForm> FormAt(QRect geometry) {
  auto form = std::make_unique<WheelForm>();
  form->setGeometry(geometry);
  return form;
}

}  // namespace

TEST(MouseWheelHook, PointInWindowCountsAllFourEdgesAlsoLeftOfAndAboveTheScreen) {
  auto form = FormAt(QRect(-500, -300, 200, 100));
  auto* child = new QWidget(form.get());
  child->setGeometry(10, 20, 50, 40);
  struct Case {
    QWidget* window;
    int x, y;
    bool inside;
  } cases[] = {
      {form.get(), -500, -300, true}, {form.get(), -300, -200, true},  {form.get(), -400, -250, true},
      {form.get(), -501, -250, false}, {form.get(), -299, -250, false}, {form.get(), -400, -199, false},
      {child, -490, -280, true},       {child, -440, -240, true},       {child, -439, -240, false},
      {nullptr, 0, 0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(PointInWindow(c.window, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(MouseWheelHook, FindsOnlyTopLevelWindows) {
  auto form = FormAt(QRect(0, 0, 100, 100));
  auto* child = new QWidget(form.get());
  EXPECT_EQ(FindFormByHwnd(form.get()), form.get());
  EXPECT_EQ(FindFormByHwnd(child), nullptr);
  EXPECT_EQ(FindFormByHwnd(nullptr), nullptr);
}

TEST(MouseWheelHook, WheelOverTheFormCallsMouseWheelAndStillReachesTheForm) {
  auto form = FormAt(QRect(-400, 50, 300, 200));
  HookMouseWheel(form.get());
  ASSERT_TRUE(form->property("PrevWndProc").isValid());

  QWheelEvent inside = Wheel(QPoint(-250, 120), -120, Qt::LeftButton | Qt::RightButton,
                             Qt::ShiftModifier | Qt::ControlModifier);
  QApplication::sendEvent(form.get(), &inside);
  QWheelEvent middle = Wheel(QPoint(-400, 250), 240, Qt::MiddleButton);
  QApplication::sendEvent(form.get(), &middle);
  QWheelEvent outside = Wheel(QPoint(-401, 120), 120);
  QApplication::sendEvent(form.get(), &outside);
  QWheelEvent sideways(QPointF(1, 1), QPointF(-250, 120), QPoint(), QPoint(120, 0), {}, {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(form.get(), &sideways);

  ASSERT_EQ(form->calls.size(), 2u);
  EXPECT_EQ(form->calls[0].keys, 1 | 2 | 4 | 8);
  EXPECT_EQ(form->calls[0].rotation, -120);
  EXPECT_EQ(form->calls[0].x, -250);
  EXPECT_EQ(form->calls[0].y, 120);
  EXPECT_EQ(form->calls[1].keys, 16);
  EXPECT_EQ(form->calls[1].rotation, 240);
  EXPECT_EQ(std::count(form->seen.begin(), form->seen.end(), QEvent::Wheel), 4);

  UnhookMouseWheel(form.get());
  EXPECT_FALSE(form->property("PrevWndProc").isValid());
  QApplication::sendEvent(form.get(), &inside);
  EXPECT_EQ(form->calls.size(), 2u);
}

TEST(MouseWheelHook, OtherEventsPassUnchangedWithTheirResult) {
  auto form = FormAt(QRect(0, 0, 100, 100));
  HookMouseWheel(form.get());
  QEvent user(QEvent::User);
  EXPECT_TRUE(QApplication::sendEvent(form.get(), &user));
  EXPECT_EQ(form->seen.back(), QEvent::User);
  EXPECT_FALSE(MouseWheelWndProc(form.get(), &user));
  EXPECT_TRUE(form->calls.empty());
  UnhookMouseWheel(form.get());
}

TEST(MouseWheelHook, AHookedControlHandsATurnOutsideItselfToItsForm) {
  auto form = FormAt(QRect(100, 100, 300, 200));
  auto* control = new QWidget(form.get());
  control->setGeometry(0, 0, 100, 50);
  HookMouseWheel(control);

  QWheelEvent overControl = Wheel(QPoint(150, 120), 120);
  EXPECT_FALSE(MouseWheelWndProc(control, &overControl));
  QWheelEvent besideControl = Wheel(QPoint(300, 250), 120);
  EXPECT_TRUE(MouseWheelWndProc(control, &besideControl));
  QWheelEvent outsideBoth = Wheel(QPoint(50, 50), 120);
  EXPECT_FALSE(MouseWheelWndProc(control, &outsideBoth));
  ASSERT_EQ(form->calls.size(), 1u);
  EXPECT_EQ(form->calls[0].x, 300);
  UnhookMouseWheel(control);
}

#include "mouse_wheel_hook_test.moc"
