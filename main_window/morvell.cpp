#include "main_window/morvell.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "runner/form_building.h"
#include "installed_apps/form4.h"
#include "installed_apps/progress_window.h"
#include "main_window/help_window.h"
#include "main_window/log_box.h"
#include "main_window/obb_picker.h"
#include "main_window/permissions_window.h"
#include "main_window/settings.h"
#include "main_window/splash_window.h"
#include "main_window/tip_window.h"
#include "runner/command_error_log.h"

morvell::morvell(QWidget* parent)
    : QWidget(parent),
      commandErrorSink_(CommandErrorSeam(), [this](const QString& block) { txtOutputs->AppendAndShowEnd(block); }) {
  CreateControls();
  // The program ends through QuitApp only: a close on whichever window is the last one shown (the
  // progress window while the list loads, the splash) must not end it.
  QGuiApplication::setQuitOnLastWindowClosed(false);

  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
  connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
  connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
  connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
  connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
  connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
  for (int i = 0; i < static_cast<int>(Command13.size()); ++i)
    connect(Command13[i], &QPushButton::clicked, this, [this, i] { Command13_Click(i); });
  // A check box's click handler also runs when its value is set by code, as start-up relies on.
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
  connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyDown(13); });
  connect(txtOutputs, &LogBox::Changed, this, [this] { txtOutputs_Change(); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
  connect(Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
}

morvell::~morvell() = default;

void morvell::Show() {
  if (!loaded_) {
    loaded_ = true;
    Form_Load();
  }
  show();
}

Seam<std::function<void()>>& morvell::QuitSeam() {
  static Seam<std::function<void()>> seam;
  return seam;
}

void morvell::QuitApp() {
  if (const auto& handler = QuitSeam().Get()) {
    handler();
    return;
  }
  // Ends here: no close or unload handler of any window may run after this.
  std::fflush(nullptr);
  std::_Exit(0);
}

void morvell::closeEvent(QCloseEvent* event) {
  Form_QueryUnload();
  event->accept();
}

int morvell::WidthTwips() const { return Twips(width()); }
int morvell::HeightTwips() const { return Twips(height()); }
void morvell::SetWidthTwips(int twips) { setFixedSize(Pixels(twips), height()); }
void morvell::SetHeightTwips(int twips) { setFixedSize(width(), Pixels(twips)); }

Form1* morvell::Form1Instance() {
  if (!form1_) form1_ = std::make_unique<Form1>();
  return form1_.get();
}
Form2* morvell::Form2Instance() {
  if (!form2_) form2_ = std::make_unique<Form2>();
  return form2_.get();
}
Form3* morvell::Form3Instance() {
  if (!form3_) form3_ = new Form3(this);
  return static_cast<Form3*>(form3_.data());
}
Form7* morvell::Form7Instance() {
  if (!form7_) {
    form7_ = std::make_unique<Form7>();
    form7_->SettingNotSaved = [this] { LogLine(SettingNotSavedLine(QStringLiteral("tooltip"))); };
  }
  return form7_.get();
}
