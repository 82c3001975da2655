#include "main_window/tip_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "main_window/settings.h"

namespace {
constexpr int kTwipsPerPixel = 15;
}

Form7::Form7(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Tip"));
  setFixedSize(5760 / kTwipsPerPixel, 3420 / kTwipsPerPixel);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(240 / kTwipsPerPixel, 240 / kTwipsPerPixel, 5280 / kTwipsPerPixel, 2280 / kTwipsPerPixel);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setTextFormat(Qt::PlainText);

  Check1 = new QCheckBox(QStringLiteral("不再显示         "), this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setGeometry(240 / kTwipsPerPixel, 2760 / kTwipsPerPixel, 2880 / kTwipsPerPixel, 375 / kTwipsPerPixel);

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(4200 / kTwipsPerPixel, 2700 / kTwipsPerPixel, 1320 / kTwipsPerPixel, 495 / kTwipsPerPixel);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  Form_Load();
}

void Form7::Form_Load() {
  Label1->setText(
      QStringLiteral("Tarnwick自身已集成到“资源管理器”菜单中, 要安装APK，只需在APK上右键单击并选择Tarnwick") +
      QString(65, QLatin1Char(' ')) + QStringLiteral("\r\n\r\n") +
      QStringLiteral("仅当您要使用其他功能（例如：ADB命令行，已安装的应用程序管理，将Quest挂载为驱动器或运行Quest "
                     "ADB命令）时，才可以直接启动Tarnwick") +
      QString(106, QLatin1Char(' ')));
}

void Form7::Command1_Click() {
  if (Check1->isChecked()) SaveSetting(QStringLiteral("tooltip"), QStringLiteral("off"));
  hide();
}
