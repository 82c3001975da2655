#include <QApplication>
#include <QMouseEvent>

#include "console_fixture.h"
#include "main_window/help_window.h"
#include "platform/shell.h"
#include "runner/picture_box.h"

namespace {
int ShownFrame(const morvell& window) {
  int shown = -1;
  for (int i = 0; i < 23; ++i) {
    if (window.Picture2[i]->isHidden()) continue;
    if (shown >= 0) return -2;  // more than one frame shows
    shown = i;
  }
  return shown;
}
}  // namespace

class Logo : public ConsoleWindowTest {
 protected:
  void SetUp() override {
    ConsoleWindowTest::SetUp();
    for (PictureBox* frame : window->Picture2) frame->hide();  // as start-up leaves them
    State().LogoFrame = 0;
  }
  QStringList opened;
  Seam<std::function<bool(const QString&)>>::Override opener{platform::UrlOpenerSeam(), [this](const QString& address) {
                                                               opened << address;
                                                               return true;
                                                             }};
};

TEST_F(Logo, FramesShowOneAtATimeFromFrameOneAndWrapToZeroOnTheTwentyThirdTick) {
  for (int tick = 1; tick <= 47; ++tick) {
    window->Timer2_Timer();
    EXPECT_EQ(ShownFrame(*window), tick % 23) << "tick " << tick;
    EXPECT_EQ(State().LogoFrame, tick % 23);
  }
}

TEST_F(Logo, FrameNumberOutOfRangeStartsOverAtZero) {
  for (qint16 bad : {-1, 23, 500}) {
    State().LogoFrame = bad;
    window->Timer2_Timer();
    EXPECT_EQ(State().LogoFrame, 0);
  }
}

TEST_F(Logo, LeftButtonAloneOpensThePageOncePerPress) {
  for (int move = 0; move < 40; ++move) window->Picture2_MouseMove(move % 23, 1, 0, move, move);
  EXPECT_EQ(opened.size(), 1) << "a long drag opens it once";
  window->Picture2_MouseUp(0, 1, 0, 3, 3);
  for (int button : {0, 2, 4, 6, 3}) window->Picture2_MouseMove(0, button, 0, 1, 1);
  EXPECT_EQ(opened.size(), 1) << "no page without the left button alone";
  window->Picture2_MouseMove(0, 1, 0, 1, 1);
  EXPECT_EQ(opened.size(), 2) << "the next press opens it again";
  window->Picture2_MouseMove(0, 0, 0, 1, 1);  // a move without a button ends a press whose release was missed
  window->Picture2_MouseMove(0, 1, 0, 1, 1);
  EXPECT_EQ(opened.size(), 3);
  EXPECT_TRUE(opened[0].startsWith("https://"));
}

TEST_F(Logo, RealMouseDragOverAFrameOpensThePageOncePerPress) {
  window->show();
  PictureBox* frame = window->Picture2[5];
  frame->show();
  auto send = [frame](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, frame->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(frame, &event);
  };
  for (int press = 1; press <= 2; ++press) {
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 10; ++i) send(QEvent::MouseMove, QPointF(10 + i, 10), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {20, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(opened.size(), press);
  }
}

using HelpPicture = ConsoleWindowTest;

TEST_F(HelpPicture, IsAFixedPictureWindowThatAClickHides) {
  Q_INIT_RESOURCE(resources);  // the pictures live in a static library; main() loads them the same way
  Form2* form = window->Form2Instance();
  EXPECT_EQ(form->Picture().size(), QSize(512, 512));

  bool visibleBeforeClick = false, visibleAfterClick = true;
  dialogs.OnModal([&](QWidget* shown) {
    visibleBeforeClick = shown->isVisible();
    const QPointF at(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, at, shown->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, shown->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(shown, &press);
    QApplication::sendEvent(shown, &release);
    visibleAfterClick = shown->isVisible();
  });
  window->Command8_Click();
  ASSERT_EQ(dialogs.ModalForms().size(), 1);
  EXPECT_EQ(dialogs.ModalForms()[0], form);
  EXPECT_TRUE(visibleBeforeClick);
  EXPECT_FALSE(visibleAfterClick);

  window->Command8_Click();  // it stayed loaded: the same window shows again
  EXPECT_EQ(dialogs.ModalForms().value(1), form);
}
