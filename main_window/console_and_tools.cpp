#include <QCheckBox>
#include <QLineEdit>

#include "main_window/headset_settings.h"
#include "main_window/help_window.h"
#include "main_window/morvell.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "runner/picture_box.h"

namespace {
constexpr int kEnterKey = 13;
constexpr int kLeftButton = 1;
constexpr int kLogoFrameCount = 23;

const QString kLogoPage = QStringLiteral("https://tarnwick.example/");

// The text goes behind one blank exactly as typed: the runner splits it into arguments and starts
// adb directly, so shell syntax in it reaches adb as plain text.
void RunConsoleInput(morvell& window) {
  platform::Beep();
  window.RunAdb(QStringLiteral(" ") + window.Text1->text());
}
}  // namespace

void morvell::Command6_Click() {
  SetHeightTwips(HeightTwips() != kTallTwips ? kTallTwips : kShortTwips);
}

void morvell::Command7_Click() { RunConsoleInput(*this); }

void morvell::Text1_KeyDown(int KeyCode) {
  if (KeyCode == kEnterKey) RunConsoleInput(*this);
}

void morvell::Command8_Click() { platform::ShowModal(Form2Instance()); }

void morvell::Command11_Click() {
  SetWidthTwips(WidthTwips() != kNarrowTwips ? kNarrowTwips : kWideTwips);
}

void morvell::Command12_Click() {
  RunAdb(QStringLiteral(" shell svc usb setFunctions mtp true"));
  platform::Beep();
}

void morvell::Command13_Click(int Index) {
  if (Index < 0 || Index >= kHeadsetSettingCount) return;
  for (const QString& arguments : HeadsetSettings()[Index].arguments) RunAdb(arguments);
  platform::Beep();
  SetWidthTwips(kNarrowTwips);
}

void morvell::Timer2_Timer() {
  const bool valid = LogoFrame >= 0 && LogoFrame < kLogoFrameCount;
  if (valid && Picture2[LogoFrame]) Picture2[LogoFrame]->hide();
  LogoFrame = valid ? static_cast<qint16>((LogoFrame + 1) % kLogoFrameCount) : 0;
  if (Picture2[LogoFrame]) Picture2[LogoFrame]->show();
}

// Mouse-move events arrive many times a second during a drag; the page opens once per press.
void morvell::Picture2_MouseMove(int, int Button, int, float, float) {
  if ((Button & kLeftButton) == 0) {
    logoLinkOpened_ = false;
    return;
  }
  if (Button != kLeftButton || logoLinkOpened_) return;
  logoLinkOpened_ = true;
  platform::OpenUrl(kLogoPage);
}

void morvell::Picture2_MouseUp(int, int Button, int, float, float) {
  if (Button & kLeftButton) logoLinkOpened_ = false;
}

// The close is never cancelled; the program ends here, so no other window's close handler runs.
void morvell::Form_QueryUnload() {
  if (Check2 && Check2->checkState() == Qt::Checked) RunAdb(QStringLiteral(" kill-server"));
  QuitApp();
}
