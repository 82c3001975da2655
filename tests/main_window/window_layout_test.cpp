#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include "main_window/caption_style.h"
#include "main_window/headset_settings.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "runner/picture_box.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"

namespace {

QRect Twips(const QWidget* widget) {
  QRect g = widget->geometry();
  return QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15);
}

QString Blanks(int n) { return QString(n, ' '); }

}  // namespace

TEST(MainWindowLayout, EveryControlExistsUnderItsNameWithItsCaptionAndTooltip) {
  morvell window;
  struct Case {
    const char* name;
    QString caption;
    QString tooltip;
  } cases[] = {
      {"Frame1", QStringLiteral("应用名称") + Blanks(8), {}},
      {"Frame2", QStringLiteral("应用包名") + Blanks(4), {}},
      {"Frame3", QStringLiteral("版本") + Blanks(3), {}},
      {"Frame4", QStringLiteral("Build APK"), {}},
      {"Frame5", QStringLiteral("文件名") + Blanks(3), {}},
      {"Frame6", QStringLiteral("设备已经安装的版本") + Blanks(7), {}},
      {"Frame7", QStringLiteral("磁盘空间") + Blanks(2), {}},
      {"Frame8", QStringLiteral("已使用") + Blanks(4), {}},
      {"Frame9", QStringLiteral("可用空间") + Blanks(2), {}},
      {"Frame10", QStringLiteral("已用%") + Blanks(1), {}},
      {"Check1", QStringLiteral("授予权限") + Blanks(9), QStringLiteral("授予列表中的所有权限") + Blanks(17)},
      {"Check2", QStringLiteral("退出关闭ADB") + Blanks(5),
       QStringLiteral("在退出时关闭ADB服务（下次启动速度较慢，但不会锁定最后安装的目录）") + Blanks(24)},
      {"Command1", QStringLiteral("安装") + Blanks(3), QStringLiteral("Install APK")},
      {"Command2", QStringLiteral("权限") + Blanks(7), QStringLiteral("在所选应用程序上显示权限") + Blanks(16)},
      {"Command3", QStringLiteral("撤消资源管理器菜单集成") + Blanks(8), {}},
      {"Command4", QStringLiteral("卸载") + Blanks(5), QStringLiteral("卸载选定的应用程序") + Blanks(12)},
      {"Command5", QStringLiteral("卸载并保留数据") + Blanks(9),
       QStringLiteral("卸载选定的应用程序并保留设备上的所有数据") + Blanks(32)},
      {"Command6", QStringLiteral("ADB 命令行") + Blanks(5), QStringLiteral("Run ADB Command on Device")},
      {"Command7", QStringLiteral("Run"), {}},
      {"Command8", QStringLiteral("Help"), QStringLiteral("Try me")},
      {"Command11", QStringLiteral("功能命令合集") + Blanks(3), QStringLiteral("ADB 命令行") + Blanks(12)},
      {"Command12", QStringLiteral("打开Quest磁盘驱动器") + Blanks(1), QStringLiteral("Mount MTP-Device")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(widget, nullptr);
    QString caption = qobject_cast<QGroupBox*>(widget) ? static_cast<QGroupBox*>(widget)->title()
                                                      : static_cast<QAbstractButton*>(widget)->text();
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(widget->toolTip(), c.tooltip);
  }
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(window.Label[i], window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i)));
    EXPECT_EQ(window.Label[i]->parentWidget(), window.Frame[i]) << "Label" << i << " lies in its frame";
  }
  for (int i = 1; i <= 12; ++i) EXPECT_EQ(window.Command[i], window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i)));
  EXPECT_EQ(window.Text1, window.findChild<QLineEdit*>("Text1"));
  EXPECT_EQ(window.txtOutputs, window.findChild<LogBox*>("txtOutputs"));
  EXPECT_EQ(window.Picture1, window.findChild<PictureBox*>("Picture1"));
  EXPECT_EQ(window.windowTitle().left(8), QStringLiteral("Tarnwick"));
}

TEST(MainWindowLayout, ArraysCarryTheirIndexAndTheToolButtonsTheirFrames) {
  morvell window;
  const auto& settings = HeadsetSettings();
  for (int i = 0; i < 23; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(window.Command13[i]->objectName(), QStringLiteral("Command13"));
    EXPECT_EQ(window.Command13[i]->property("Index").toInt(), i);
    EXPECT_EQ(window.Command13[i]->text(), settings[i].buttonCaption);
    EXPECT_EQ(window.Command13[i]->parentWidget(), window.ToolFrames[settings[i].frame]);
    EXPECT_EQ(window.Picture2[i]->objectName(), QStringLiteral("Picture2"));
    EXPECT_EQ(window.Picture2[i]->property("Index").toInt(), i);
    EXPECT_EQ(Twips(window.Picture2[i]).size(), QSize(735, 735));
    EXPECT_FALSE(window.Picture2[i]->Picture().isNull()) << "each logo frame has its picture";
  }
  EXPECT_EQ(window.ToolFrames[0]->title(), QStringLiteral("Guardian"));
  EXPECT_EQ(window.ToolFrames[6]->title(), QStringLiteral("Reboot Quest"));
  EXPECT_EQ(window.findChildren<QPushButton*>("Command13").size(), 23);
}

TEST(MainWindowLayout, PlacesTheButtonsWhereDesignedAndThePanelsOutsideTheDesignedSize) {
  morvell window;
  EXPECT_EQ(Twips(window.Command4), QRect(120, 3840, 1095, 495));
  EXPECT_EQ(Twips(window.Command5), QRect(1320, 3840, 1095, 495));
  EXPECT_EQ(Twips(window.Command2), QRect(2520, 3840, 975, 495));
  EXPECT_EQ(window.HeightTwips(), 7260);
  EXPECT_EQ(window.WidthTwips(), 8625);
  for (QGroupBox* frame : window.ToolFrames) {
    EXPECT_GE(Twips(frame).left(), 8625);
    EXPECT_LE(Twips(frame).right(), 14865);
    EXPECT_LE(Twips(frame).bottom(), 7260);
  }
  for (QWidget* console : std::initializer_list<QWidget*>{window.Text1, window.Command7, window.Command8}) {
    EXPECT_GE(Twips(console).top(), 7260) << console->objectName().toStdString();
    EXPECT_LE(Twips(console).bottom(), 7770) << console->objectName().toStdString();
  }
  EXPECT_EQ(window.Timer1->interval(), 100);
  EXPECT_EQ(window.Timer2->interval(), 80);
  EXPECT_EQ(window.Timer3->interval(), 2000);
  EXPECT_FALSE(window.Timer1->isActive());
}

TEST(MainWindowLayout, ControlsDoNotOverlapAndCaptionsFit) {
  morvell window;
  QList<QWidget*> placed;
  for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->objectName() != QStringLiteral("Picture2")) placed.append(child);
  for (int i = 0; i < placed.size(); ++i)
    for (int j = i + 1; j < placed.size(); ++j)
      EXPECT_FALSE(placed[i]->geometry().intersects(placed[j]->geometry()))
          << placed[i]->objectName().toStdString() << " overlaps " << placed[j]->objectName().toStdString();
  EXPECT_FALSE(window.Picture2[0]->geometry().intersects(window.Picture1->geometry()));
  EXPECT_FALSE(window.Picture2[0]->geometry().intersects(window.Frame5->geometry()));

  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_TRUE(CaptionFits(button));
    EXPECT_GE(button->font().pointSizeF(), 8.0) << "no caption is shrunk out of reading";
  }
}

TEST(MainWindowLayout, SignalsReachTheirHandlers) {
  Module1::ResetSharedState();
  FakeProgramFolder tools;
  morvell window;
  window.objDOS = std::make_unique<DOSOutputs>();
  window.objDOS->ReceiveOutputs = [&window](QString& chunk) { window.objDOS_ReceiveOutputs(chunk); };
  tools.setScenario("adb", "when devices\nout List of devices attached\\r\\n\n");

  window.Text1->setText(QStringLiteral("devices"));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(window.Text1, &enter);
  EXPECT_EQ(tools.calls(), QStringList{QStringLiteral("adb devices")});
  EXPECT_TRUE(window.txtOutputs->Text().contains(QStringLiteral("List of devices attached")));

  window.Command11->setEnabled(true);
  window.Command11->click();
  EXPECT_EQ(window.WidthTwips(), 14865);
  window.Command6->setEnabled(true);
  window.Command6->click();
  EXPECT_EQ(window.HeightTwips(), 7770);
}
