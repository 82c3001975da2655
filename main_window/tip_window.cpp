#include "main_window/tip_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "runner/form_building.h"
#include "main_window/settings.h"

Form7::Form7(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Tip"));
  setFixedSize(Pixels(5760), Pixels(3420));

  Label1 = MakeControl<QLabel>(this, QStringLiteral("Label1"));
  Label1->setGeometry(TwipsRect(240, 240, 5280, 2280));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setTextFormat(Qt::PlainText);

  Check1 = MakeControl<QCheckBox>(this, QStringLiteral("Check1"));
  Check1->setText(QStringLiteral("不再显示         "));
  Check1->setGeometry(TwipsRect(240, 2760, 2880, 375));

  Command1 = MakeControl<QPushButton>(this, QStringLiteral("Command1"));
  Command1->setText(QStringLiteral("OK"));
  Command1->setGeometry(TwipsRect(4200, 2700, 1320, 495));
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  CentreOnScreen(this);
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
  if (Check1->isChecked() && !SaveSetting(QStringLiteral("tooltip"), QStringLiteral("off")) && SettingNotSaved)
    SettingNotSaved();
  hide();
}
