#pragma once
// The main window: start-up, APK analysis, device poll, install, uninstall, console and tools.
// Its handlers are spread over files by role (startup.cpp, apk_analysis.cpp, device_poll.cpp,
// install.cpp, uninstall.cpp, console_and_tools.cpp, log.cpp); this header is their contract.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "platform/seam.h"
#include "runner/command_error_log.h"
#include "runner/dos_outputs.h"
#include "runner/module1.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class LogBox;
class PictureBox;
class Form1;
class Form2;
class Form3;
class Form7;
class Form9;
class Form4;
class Form5;

class morvell : public QWidget {
  Q_OBJECT
 public:
  explicit morvell(QWidget* parent = nullptr);
  ~morvell() override;

  // Loads the window on its first showing (Form_Load with the program's command line), then shows it.
  void Show();
  void SetCommandLine(const QString& commandLine) { commandLine_ = commandLine; }
  void SetSplash(QWidget* splash) { splash_ = splash; }

  // How QuitApp ends the program; tests set a handler that records the call instead.
  static Seam<std::function<void()>>& QuitSeam();

  // ---- Start-up, settings and file-manager integration
  void Form_Load();
  void Check1_Click();
  void Check2_Click();
  void SaveBoxSetting(const QString& section, bool ticked);  // "on" or "off"; a failure is logged
  void QuitApp();
  void CreateRunner();  // objDOS, its output echoed into the log

  // ---- adb through objDOS (adb_commands.cpp); the output is echoed unless OutputSilenced is set
  QString RunAdb(const QString& arguments);
  QString EchoStorage();  // " shell echo $EXTERNAL_STORAGE"
  // A command on a path of the device's storage, read from an echo's output. Without a path the
  // line cannot be formed, and the runner runs its last line (the echo) again.
  QString RunOnStorage(const QString& storageEcho, const std::function<QString(const QString& storagePath)>& arguments);
  // RunOnStorage on the package's OBB folder, "<storage>/Android/obb/<package>". Without a
  // package name (IsPackageName) nothing runs.
  QString RunOnObbFolder(const QString& storageEcho, const std::function<QString(const QString& obbFolder)>& arguments);
  // The status line that announces the removal of that folder.
  void LogObbFolderRemoval();

  // ---- APK analysis
  void RunBadging();         // badging into BadgingInfo and ManifestPermCount
  void ShowApkIcon();        // the icon entry copied out of the APK (under its own name), drawn, deleted
  void FillApkLabels();      // Label1..Label4 captions and tooltips
  void FindObbFiles();

  // ---- Device poll, disk space and installed version
  void ShowDiskSpace();
  bool IsDeviceConnected();
  bool CheckInstalledVersion();
  // The comparison as start-up makes it: the log starts afresh with the outcome's status line.
  void StartupVersionCheck();
  void Timer3_Timer();

  // ---- Install and uninstall
  void Command1_Click();
  void Command2_Click();
  void Command4_Click();
  void Command5_Click();

  // ---- Console, headset tools, logo, help and exit
  void Command6_Click();
  void Command7_Click();
  void Text1_KeyDown(int KeyCode);
  void Command8_Click();
  void Command11_Click();
  void Command12_Click();
  void Command13_Click(int Index);
  void Timer2_Timer();
  void Picture2_MouseMove(int Index, int Button, int Shift, float X, float Y);
  void Picture2_MouseUp(int Index, int Button, int Shift, float X, float Y);  // console and tools: the release ends a press on the logo
  void Form_QueryUnload();

  // ---- The installed-apps window (installed_apps_button.cpp)
  void Command9_Click();
  Form5* Form5Instance();  // the progress window, loaded on first use
  Form4* Form4Instance();  // the installed-apps window, loaded on first use and kept after it closes

  // ---- Log
  void objDOS_ReceiveOutputs(QString& CommandOutputs);
  void txtOutputs_Change();
  void Timer1_Timer();
  void LogLine(const QString& text);  // a status line: CR LF, the text, CR LF, caret to the end

  // The window's designed sizes in twips: narrow with the device-tools panel hidden, wide with it
  // shown; short with the console hidden, tall with it shown.
  static constexpr int kNarrowTwips = 8625;
  static constexpr int kWideTwips = 14865;
  static constexpr int kShortTwips = 7260;
  static constexpr int kTallTwips = 7770;

  // The window's size in twips (15 to the pixel), as the handlers compare and set it.
  int WidthTwips() const;
  int HeightTwips() const;
  void SetWidthTwips(int twips);
  void SetHeightTwips(int twips);

  // The small windows, loaded on first use (Form3 is unloaded by its close box).
  Form1* Form1Instance();
  Form2* Form2Instance();
  Form3* Form3Instance();
  Form7* Form7Instance();

  // ---- Controls (objectName = member name)
  std::array<QGroupBox*, 11> Frame{};  // Frame[1]..Frame[6] info frames, Frame[7]..Frame[10] storage frames
  std::array<QLabel*, 11> Label{};     // Label[1]..Label[10]
  QGroupBox *&Frame1 = Frame[1], *&Frame2 = Frame[2], *&Frame3 = Frame[3], *&Frame4 = Frame[4], *&Frame5 = Frame[5],
            *&Frame6 = Frame[6];
  QLabel *&Label1 = Label[1], *&Label2 = Label[2], *&Label3 = Label[3], *&Label4 = Label[4], *&Label5 = Label[5],
         *&Label6 = Label[6], *&Label7 = Label[7], *&Label8 = Label[8], *&Label9 = Label[9], *&Label10 = Label[10];
  QCheckBox* Check1 = nullptr;
  QCheckBox* Check2 = nullptr;
  std::array<QPushButton*, 13> Command{};  // Command[1]..Command[12]
  QPushButton *&Command1 = Command[1], *&Command2 = Command[2], *&Command3 = Command[3], *&Command4 = Command[4],
              *&Command5 = Command[5], *&Command6 = Command[6], *&Command7 = Command[7], *&Command8 = Command[8],
              *&Command9 = Command[9], *&Command10 = Command[10], *&Command11 = Command[11],
              *&Command12 = Command[12];
  std::array<QPushButton*, 23> Command13{};  // the headset-setting buttons
  std::array<QGroupBox*, 7> ToolFrames{};    // the frames that hold them on the device-tools panel
  QLineEdit* Text1 = nullptr;
  LogBox* txtOutputs = nullptr;
  PictureBox* Picture1 = nullptr;
  std::array<PictureBox*, 23> Picture2{};
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  QTimer* Timer3 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend struct MainWindowState;  // the tests' view of the state that no control shows

  void CreateControls();  // layout.cpp
  // Sets Busy; when the package is not on the device, says so and clears Busy again.
  bool PackageOnDevice();

  // ---- Window state
  bool Busy = false;
  qint16 StartedWithoutApk = 0;
  QString ApkPath;
  QString ApkFileName;
  BoundedTextArray<50> BadgingInfo;
  qint16 ManifestPermCount = 0;
  QString LastOutput;
  QString IconPath;
  QString SavedLabel6BackColor;
  QString SavedLabel6ForeColor;
  qint16 LogoFrame = 0;
  bool PackageInstalled = false;
  std::unique_ptr<DOSOutputs> objDOS;

  QString commandLine_;
  bool loaded_ = false;
  QPointer<QWidget> splash_;  // the splash window (Form9)
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  QPointer<QWidget> form3_;  // Form3, gone once its close box unloaded it
  std::unique_ptr<Form7> form7_;
  std::unique_ptr<Form5> form5_;  // before form4_, which uses it to the end
  std::unique_ptr<Form4> form4_;
  bool logoLinkOpened_ = false;  // the logo opens its page once per press of the left button
  // Every runner's "Command Error: " block goes into this window's log while it lives.
  Seam<CommandErrorSink>::Override commandErrorSink_;
};
