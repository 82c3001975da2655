// The main window's controls: names, captions, tooltips and places (twips, 15 to the pixel).

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "main_window/caption_style.h"
#include "runner/form_building.h"
#include "main_window/headset_settings.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "runner/picture_box.h"

namespace {

constexpr int kPanelLeft = 8700;  // the device-tools panel, shown when the window is wide

void Place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

// An info frame with its one label (the label's text is the frame's content).
void MakeInfoFrame(QWidget* parent, QGroupBox*& frame, QLabel*& label, int number, const QString& caption,
                   int left, int top, int width, int height = 615) {
  frame = MakeControl<QGroupBox>(parent, QStringLiteral("Frame%1").arg(number));
  frame->setTitle(caption);
  Place(frame, left, top, width, height);
  label = MakeControl<QLabel>(frame, QStringLiteral("Label%1").arg(number));
  Place(label, 120, 255, width - 240, height - 315);
  label->setTextFormat(Qt::PlainText);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tooltip,
                        int left, int top, int width, int height = 495) {
  auto* button = MakeControl<QPushButton>(parent, name);
  button->setText(caption);
  if (!tooltip.isEmpty()) button->setToolTip(tooltip);
  Place(button, left, top, width, height);
  return button;
}

// Routes mouse moves and releases over one logo frame to the window's handlers, in twips and
// with the classic button and shift masks.
class LogoMouseFilter : public QObject {
 public:
  LogoMouseFilter(morvell* window, int index, QObject* parent) : QObject(parent), window_(window), index_(index) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    Qt::MouseButtons buttons = event->type() == QEvent::MouseMove ? mouse->buttons() : Qt::MouseButtons(mouse->button());
    const int button = ButtonMask(buttons);
    const int shift = ShiftMask(mouse->modifiers());
    const float x = ToTwips(mouse->position().x());
    const float y = ToTwips(mouse->position().y());
    if (event->type() == QEvent::MouseMove)
      window_->Picture2_MouseMove(index_, button, shift, x, y);
    else
      window_->Picture2_MouseUp(index_, button, shift, x, y);
    return false;
  }

 private:
  morvell* window_;
  int index_;
};

}  // namespace

void morvell::CreateControls() {
  setObjectName(QStringLiteral("morvell"));
  setWindowTitle(QStringLiteral("Tarnwick - VR-Headset APK Installer · tarnwick.example"));

  // The APK: what it is, its file name and what the headset holds of it.
  MakeInfoFrame(this, Frame[1], Label[1], 1, QStringLiteral("应用名称        "), 120, 120, 5280);
  MakeInfoFrame(this, Frame[2], Label[2], 2, QStringLiteral("应用包名    "), 120, 780, 5280);
  MakeInfoFrame(this, Frame[3], Label[3], 3, QStringLiteral("版本   "), 120, 1440, 2580);
  MakeInfoFrame(this, Frame[4], Label[4], 4, QStringLiteral("Build APK"), 2820, 1440, 2580);
  MakeInfoFrame(this, Frame[5], Label[5], 5, QStringLiteral("文件名   "), 120, 2100, 8385);
  MakeInfoFrame(this, Frame[6], Label[6], 6, QStringLiteral("设备已经安装的版本       "), 120, 2760, 3000);
  Label6->setAutoFillBackground(true);

  Picture1 = MakeControl<PictureBox>(this, QStringLiteral("Picture1"));
  Place(Picture1, 5640, 240, 1440, 1440);

  // The headset's storage.
  const std::array<QString, 4> storageCaptions = {QStringLiteral("磁盘空间  "), QStringLiteral("已使用    "),
                                                  QStringLiteral("可用空间  "), QStringLiteral("已用% ")};
  for (int i = 0; i < 4; ++i)
    MakeInfoFrame(this, Frame[7 + i], Label[7 + i], 7 + i, storageCaptions[i], 3240 + i * 1320, 2760, 1245);

  // The animated logo: 23 frames stacked on one spot, one shown at a time.
  for (int i = 0; i < 23; ++i) {
    PictureBox* frame = MakeControl<PictureBox>(this, QStringLiteral("Picture2"), i);
    frame->SetBorder(false);
    frame->SetPicture(QImage(QStringLiteral(":/logo_%1.png").arg(i, 2, 10, QChar('0'))));
    Place(frame, 7680, 840, 735, 735);
    frame->setVisible(false);
    frame->setCursor(Qt::PointingHandCursor);
    frame->installEventFilter(new LogoMouseFilter(this, i, frame));
    Picture2[i] = frame;
  }

  // The APK's buttons.
  Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("卸载     "),
                        QStringLiteral("卸载选定的应用程序            "), 120, 3840, 1095);
  Command5 = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("卸载并保留数据         "),
                        QStringLiteral("卸载选定的应用程序并保留设备上的所有数据                                "), 1320,
                        3840, 1095);
  Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("权限       "),
                        QStringLiteral("在所选应用程序上显示权限                "), 2520, 3840, 975);
  Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("安装   "), QStringLiteral("Install APK"), 3600,
                        3840, 1095);
  Check1 = MakeControl<QCheckBox>(this, QStringLiteral("Check1"));
  Check1->setText(QStringLiteral("授予权限         "));
  Check1->setToolTip(QStringLiteral("授予列表中的所有权限                 "));
  Place(Check1, 4800, 3840, 1440, 495);
  Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("撤消资源管理器菜单集成        "), QString(),
                        6240, 3840, 2265);

  // The device's buttons.
  Command6 = MakeButton(this, QStringLiteral("Command6"), QStringLiteral("ADB 命令行     "),
                        QStringLiteral("Run ADB Command on Device"), 120, 4440, 1320);
  Command11 = MakeButton(this, QStringLiteral("Command11"), QStringLiteral("功能命令合集   "),
                         QStringLiteral("ADB 命令行            "), 1500, 4440, 1440);
  Command12 = MakeButton(this, QStringLiteral("Command12"), QStringLiteral("打开Quest磁盘驱动器 "),
                         QStringLiteral("Mount MTP-Device"), 3000, 4440, 2040);
  Command9 = MakeButton(this, QStringLiteral("Command9"), QStringLiteral("已安装的应用程序"), QString(), 5100, 4440, 2040);
  Command10 = MakeButton(this, QStringLiteral("Command10"), QStringLiteral("···"), QString(), 7200, 4440, 1305);
  Check2 = MakeControl<QCheckBox>(this, QStringLiteral("Check2"));
  Check2->setText(QStringLiteral("退出关闭ADB     "));
  Check2->setToolTip(
      QStringLiteral("在退出时关闭ADB服务（下次启动速度较慢，但不会锁定最后安装的目录）                        "));
  Place(Check2, 120, 4980, 2400, 375);

  txtOutputs = MakeControl<LogBox>(this, QStringLiteral("txtOutputs"));
  Place(txtOutputs, 120, 5400, 8385, 1740);

  // The console row, below the designed height: Command6 makes the window tall enough to show it.
  Text1 = MakeControl<QLineEdit>(this, QStringLiteral("Text1"));
  Place(Text1, 120, 7305, 6360, 375);
  Command7 = MakeButton(this, QStringLiteral("Command7"), QStringLiteral("Run"), QString(), 6600, 7290, 900, 405);
  Command8 = MakeButton(this, QStringLiteral("Command8"), QStringLiteral("Help"), QStringLiteral("Try me"), 7560,
                        7290, 945, 405);

  // The device-tools panel, right of the designed width: Command11 widens the window to show it.
  const auto& frameCaptions = HeadsetFrameCaptions();
  const auto& settings = HeadsetSettings();
  std::array<int, kHeadsetFrameCount> buttonsInFrame{};
  for (int f = 0; f < kHeadsetFrameCount; ++f) {
    QGroupBox* frame = MakeControl<QGroupBox>(this, QStringLiteral("ToolFrames"), f);
    frame->setTitle(frameCaptions[f]);
    Place(frame, kPanelLeft, 120 + f * 870, 6030, 780);
    ToolFrames[f] = frame;
  }
  for (int i = 0; i < kHeadsetSettingCount; ++i) {
    int f = settings[i].frame;
    int slot = buttonsInFrame[f]++;
    QPushButton* button = MakeControl<QPushButton>(ToolFrames[f], QStringLiteral("Command13"), i);
    button->setText(settings[i].buttonCaption);
    Place(button, 120 + slot * 720, 300, 660, 390);
    Command13[i] = button;
  }

  Timer1 = MakeControl<QTimer>(this, QStringLiteral("Timer1"));
  Timer1->setInterval(100);
  Timer2 = MakeControl<QTimer>(this, QStringLiteral("Timer2"));
  Timer2->setInterval(80);
  Timer3 = MakeControl<QTimer>(this, QStringLiteral("Timer3"));
  Timer3->setInterval(2000);

  setFixedSize(Pixels(kNarrowTwips), Pixels(kShortTwips));
  FitCaptionFonts(this);
}
