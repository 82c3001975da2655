// The window's load: settings, then the road without an APK or the road with one.

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "runner/text_paths.h"
#include "main_window/file_manager_integration.h"
#include "runner/form_building.h"
#include "main_window/morvell.h"
#include "main_window/settings.h"
#include "main_window/tip_window.h"
#include "platform/dialogs.h"
#include "runner/picture_box.h"
#include "runner/tools.h"
#include "runner/vb_color.h"

namespace {

const QString kOn = QStringLiteral("on");
const QString kOff = QStringLiteral("off");

QString ExecutableName() { return QFileInfo(QCoreApplication::applicationFilePath()).fileName(); }

}  // namespace

void morvell::Form_Load() {
  // Timers designed as enabled run from the window's load.
  Timer2->start();
  Timer3->start();

  SetWidthTwips(kNarrowTwips);
  Busy = true;
  SavedLabel6BackColor = QString::number(vbcolor::BackColor(Label6));
  SavedLabel6ForeColor = QString::number(vbcolor::ForeColor(Label6));
  CreateRunner();
  Module1::OutputSilenced = false;
  LogoFrame = 0;
  for (PictureBox* frame : Picture2) {
    frame->setVisible(false);
    frame->move(Pixels(7680), Pixels(840));
  }

  Check1->setChecked(GetSetting(QStringLiteral("Grant"), kOff) != kOff);
  if (GetSetting(QStringLiteral("Kill"), QString()).isEmpty()) {
    SaveBoxSetting(QStringLiteral("Kill"), true);
    // The box shows the default even when the store refused it; the write above was its write-back.
    const QSignalBlocker written(Check2);
    Check2->setChecked(true);
  } else {
    Check2->setChecked(GetSetting(QStringLiteral("Kill"), kOff) != kOff);
  }

  if (commandLine_.isEmpty()) {
    StartedWithoutApk = 1;
    vbcolor::SetForeColor(Label5, 255);
    QFont font = Label5->font();
    font.setBold(true);
    font.setPointSizeF(9);
    Label5->setFont(font);
    Label5->setText(QStringLiteral("要安装APK，请右键单击APK文件，然后选择Tarnwick") + QString(32, QLatin1Char(' ')));
    for (QWidget* control : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Frame4, Frame5, Command4, Frame6,
                                                            Check1, Command2, Command1, Command5})
      control->setEnabled(false);

    if (GetSetting(QStringLiteral("tooltip"), kOff) == kOn) platform::ShowModal(Form7Instance());

    if (GetSetting(QStringLiteral("Explentry"), kOff) != kOff) {
      Busy = false;
      if (splash_) splash_->hide();
      return;
    }
    OfferFileManagerIntegration(VerbExecutablePath(tools::ProgramFolder(), ExecutableName()), [this] { QuitApp(); });
    return;
  }

  ApkPath = commandLine_;
  ApkFileName = GetFileName(ApkPath);
  Label5->setText(ApkFileName);
  Label5->setToolTip(ApkFileName);
  RunBadging();
  ShowDiskSpace();
  ShowApkIcon();
  FillApkLabels();
  StartupVersionCheck();
  FindObbFiles();
  Busy = false;
  if (splash_) splash_->hide();
}

void morvell::CreateRunner() {
  objDOS = std::make_unique<DOSOutputs>();
  objDOS->ReceiveOutputs = [this](QString& chunk) { objDOS_ReceiveOutputs(chunk); };
}

void morvell::Check1_Click() { SaveBoxSetting(QStringLiteral("Grant"), Check1->isChecked()); }

void morvell::Check2_Click() { SaveBoxSetting(QStringLiteral("Kill"), Check2->isChecked()); }

// The box keeps the user's choice for this run even when the store refuses it.
void morvell::SaveBoxSetting(const QString& section, bool ticked) {
  if (!SaveSetting(section, ticked ? kOn : kOff)) LogLine(SettingNotSavedLine(section));
}
