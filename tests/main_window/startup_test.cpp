#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "main_window/file_manager_integration.h"
#include "main_window/log_box.h"
#include "main_window/tip_window.h"
#include "runner/picture_box.h"
#include "runner/tools.h"
#include "runner/vb_color.h"
#include "startup_fixture.h"

namespace {

const QString kBox1 = QStringLiteral(
                          "Tarnwick将自身集成到资源管理器中， 通过右键单击APK文件，可以使用Tarnwick来安装该文件。") +
                      QString(67, ' ') + QStringLiteral("\r\r") +
                      QStringLiteral("在确认资源管理器集成之前，请将Tarnwick的目录复制到一个永久磁盘位置") +
                      QString(113, ' ');
const QString kBox2 = QStringLiteral("是否在鼠标右键菜单中集成Tarnwick？") + QString(20, ' ');
const QString kBox2Title = QStringLiteral("资源管理器集成") + QString(13, ' ');
const QString kBox3 = QStringLiteral("错误：也许没有管理员权限！") + QString(26, ' ');
const QString kBox4 = QStringLiteral("右键单击APK文件，然后选择“install”") + QString(19, ' ');

QString DesktopEntry() {
  QFile file(platform::ApplicationsFolder() + QStringLiteral("/tarnwick.desktop"));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

TEST_F(StartupTest, FirstRunDeclinedWritesNothingButKillAndEnds) {
  dialogs.QueueAnswer(platform::vbOK);
  dialogs.QueueAnswer(platform::vbNo);
  Load();

  ASSERT_EQ(dialogs.Boxes().size(), 2);
  EXPECT_EQ(dialogs.Boxes()[0].text, kBox1);
  EXPECT_EQ(dialogs.Boxes()[0].style, platform::vbInformation);
  EXPECT_EQ(dialogs.Boxes()[0].title, QStringLiteral("Tarnwick"));
  EXPECT_EQ(dialogs.Boxes()[1].text, kBox2);
  EXPECT_EQ(dialogs.Boxes()[1].style, platform::vbYesNo);
  EXPECT_EQ(dialogs.Boxes()[1].title, kBox2Title);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(Get("Kill"), QStringLiteral("on"));
  EXPECT_EQ(Get("Explentry"), QStringLiteral("<missing>"));
  EXPECT_EQ(Get("Grant"), QStringLiteral("<missing>"));
  EXPECT_TRUE(DesktopEntry().isEmpty());
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_TRUE(splash->isVisible()) << "the integration ends the program; it does not hide the splash";
}

TEST_F(StartupTest, FirstRunAcceptedWritesTheVerbAndEndsAfterBeepAndBox4) {
  Set("Grant", "on");
  Load();

  ASSERT_EQ(dialogs.Boxes().size(), 3);
  EXPECT_EQ(dialogs.Boxes()[2].text, kBox4);
  EXPECT_EQ(dialogs.Boxes()[2].style, platform::vbInformation);
  EXPECT_EQ(dialogs.Boxes()[2].title, QStringLiteral("Tarnwick"));
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(Get("Explentry"), QStringLiteral("on"));
  EXPECT_EQ(Get("Grant"), QStringLiteral("off"));

  QString program = tools::ProgramFolder() + '/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  QString entry = DesktopEntry();
  EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + program + QStringLiteral(" %f\n"))) << entry.toStdString();
  EXPECT_TRUE(entry.contains(QStringLiteral("\nMimeType=application/vnd.android.package-archive;\n")));
  EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + program + '\n'));
}

TEST_F(StartupTest, NextStartAfterAcceptedIntegrationOpensWithoutAsking) {
  Load();
  ASSERT_EQ(quits, 1);

  morvell second;
  second.SetSplash(splash.get());
  second.Form_Load();
  EXPECT_EQ(dialogs.Boxes().size(), 3) << "no new box";
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(second.Busy);
  EXPECT_FALSE(splash->isVisible());
}

TEST_F(StartupTest, UnwritableApplicationsFolderShowsBox3KeepsExplentryOffAndEnds) {
  QTemporaryDir dir;
  QFile blocker(dir.path() + "/not-a-folder");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QByteArray previous = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", (dir.path() + "/not-a-folder").toUtf8());
  Load();
  qputenv("XDG_DATA_HOME", previous);

  ASSERT_EQ(dialogs.Boxes().size(), 3);
  EXPECT_EQ(dialogs.Boxes()[2].text, kBox3);
  EXPECT_EQ(dialogs.Boxes()[2].style, platform::vbOKOnly);
  EXPECT_EQ(dialogs.Boxes()[2].title, QStringLiteral("Tarnwick"));
  EXPECT_EQ(Get("Explentry"), QStringLiteral("off"));
  EXPECT_EQ(Get("Grant"), QStringLiteral("<missing>"));
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_EQ(quits, 1) << "nothing runs after the first end";
}

TEST_F(StartupTest, VerbPathHasOneSeparatorWhateverTheFolderEndsIn) {
  EXPECT_EQ(VerbExecutablePath("/opt/tarnwick", "tarnwick"), QStringLiteral("/opt/tarnwick/tarnwick"));
  EXPECT_EQ(VerbExecutablePath("/opt/tarnwick/", "tarnwick"), QStringLiteral("/opt/tarnwick/tarnwick"));
  EXPECT_EQ(VerbExecutablePath("/", "tarnwick"), QStringLiteral("/tarnwick"));

  tools::SetProgramFolder(tools.path() + '/');
  Load();
  QString entry = DesktopEntry();
  EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + tools.path() + '/' +
                             QFileInfo(QCoreApplication::applicationFilePath()).fileName() + '\n'))
      << entry.toStdString();
  EXPECT_FALSE(entry.contains(QStringLiteral("//")));
}

TEST_F(StartupTest, TipWindowShowsOnlyForExactlyOnWithoutApk) {
  struct Case {
    const char* tooltip;
    bool withApk;
    int tips;
  } cases[] = {{"on", false, 1}, {"On", false, 0}, {"off", false, 0}, {nullptr, false, 0}, {"on", true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tooltip ? c.tooltip : "missing");
    SettingsStore().clear();
    Set("Explentry", "on");
    if (c.tooltip) Set("tooltip", c.tooltip);
    ScriptedDialogs local;
    morvell fresh;
    fresh.SetCommandLine(c.withApk ? tools.path() + "/none.apk" : QString());
    fresh.Form_Load();
    int tips = 0;
    for (QWidget* form : local.ModalForms()) tips += qobject_cast<Form7*>(form) != nullptr;
    EXPECT_EQ(tips, c.tips);
    EXPECT_TRUE(local.Boxes().isEmpty());
    EXPECT_FALSE(fresh.Busy);
  }
}

TEST_F(StartupTest, SettingsAreComparedExactlyAndWrittenBackByTheClickHandlers) {
  struct Case {
    const char* stored;  // nullptr: missing
    bool ticked;
    const char* afterwards;
  } grant[] = {{nullptr, false, "<missing>"}, {"off", false, "off"}, {"on", true, "on"},
               {"yes", true, "on"},           {"OFF", true, "on"},   {"", true, "on"}};
  for (const Case& c : grant) {
    SCOPED_TRACE(c.stored ? c.stored : "missing");
    SettingsStore().clear();
    Set("Explentry", "on");
    if (c.stored) Set("Grant", c.stored);
    morvell fresh;
    fresh.Form_Load();
    EXPECT_EQ(fresh.Check1->isChecked(), c.ticked);
    EXPECT_EQ(Get("Grant"), QString::fromUtf8(c.afterwards));
  }
  Case kill[] = {{nullptr, true, "on"}, {"", true, "on"}, {"off", false, "off"}, {"Off", true, "on"}};
  for (const Case& c : kill) {
    SCOPED_TRACE(c.stored ? c.stored : "missing");
    SettingsStore().clear();
    Set("Explentry", "on");
    if (c.stored) Set("Kill", c.stored);
    morvell fresh;
    fresh.Form_Load();
    EXPECT_EQ(fresh.Check2->isChecked(), c.ticked);
    EXPECT_EQ(Get("Kill"), QString::fromUtf8(c.afterwards));
  }
}

TEST_F(StartupTest, ClickingTheCheckBoxesWritesTheirSettings) {
  Set("Explentry", "on");
  Load();
  window->Check1->setEnabled(true);  // road A disables it
  window->Check1->click();
  EXPECT_EQ(Get("Grant"), QStringLiteral("on"));
  window->Check1->click();
  EXPECT_EQ(Get("Grant"), QStringLiteral("off"));
  window->Check2->click();
  EXPECT_EQ(Get("Kill"), QStringLiteral("off"));
  window->Check2->click();
  EXPECT_EQ(Get("Kill"), QStringLiteral("on"));
}

TEST_F(StartupTest, ExplentryOtherThanExactlyOffSkipsTheIntegration) {
  for (const char* value : {"on", "Off", "OFF", ""}) {
    SCOPED_TRACE(value);
    SettingsStore().clear();
    Set("Explentry", value);
    ScriptedDialogs local;
    morvell fresh;
    fresh.Form_Load();
    EXPECT_TRUE(local.Boxes().isEmpty());
  }
  EXPECT_EQ(quits, 0);
}

TEST_F(StartupTest, RoadWithoutApkLeavesTheWindowInItsNoApkState) {
  Set("Explentry", "on");
  Load();

  EXPECT_EQ(window->StartedWithoutApk, 1);
  EXPECT_FALSE(window->Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(window->Quote, QStringLiteral("\""));
  EXPECT_EQ(window->WidthTwips(), 8625);
  EXPECT_EQ(window->LogoFrame, 0);
  ASSERT_TRUE(window->objDOS);
  EXPECT_EQ(window->Label5->text(),
            QStringLiteral("要安装APK，请右键单击APK文件，然后选择Tarnwick") + QString(32, ' '));
  EXPECT_EQ(vbcolor::ForeColor(window->Label5), 255);
  EXPECT_TRUE(window->Label5->font().bold());
  EXPECT_EQ(window->Label5->font().pointSizeF(), 9.0);
  for (QWidget* off : std::initializer_list<QWidget*>{window->Frame1, window->Frame2, window->Frame3, window->Frame4,
                                                      window->Frame5, window->Frame6, window->Command1,
                                                      window->Command2, window->Command4, window->Command5,
                                                      window->Check1})
    EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
  for (QWidget* on : std::initializer_list<QWidget*>{window->Check2, window->Command6, window->Command9,
                                                     window->Command11, window->Command12, window->Text1})
    EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
  for (PictureBox* frame : window->Picture2) {
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(frame->pos(), QPoint(7680 / 15, 840 / 15));
  }
  EXPECT_EQ(window->SavedLabel6BackColor, QString::number(vbcolor::kButtonFace));
  EXPECT_EQ(window->SavedLabel6ForeColor, QString::number(vbcolor::kButtonText));
  EXPECT_TRUE(window->Timer2->isActive());
  EXPECT_TRUE(window->Timer3->isActive());
  EXPECT_TRUE(window->Label7->text().isEmpty());
  EXPECT_TRUE(tools.calls().isEmpty()) << "no command runs without an APK";
}

TEST_F(StartupTest, UnreadableOrOddSettingsFileFallsBackToDefaults) {
  {
    QFile file(SettingsStore().fileName());
    QDir().mkpath(QFileInfo(file).absolutePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x01garbage=[[[\n[Grant\nValue=\n[Kill]\nValue=a, b, c\n[Explentry]\nValue=@Variant(\\0\\0\\0)\n");
  }
  Load();
  EXPECT_TRUE(window->Check2->isChecked());
  EXPECT_EQ(quits, 0) << "an odd Explentry is not exactly off";
  EXPECT_FALSE(window->Busy);
}

TEST_F(StartupTest, ReadOnlySettingsLocationStartsWithTheDefaults) {
  QTemporaryDir dir;
  QFile blocker(dir.path() + "/file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString previous = QFileInfo(SettingsStore().fileName()).absolutePath();
  previous.chop(QStringLiteral("/Tarnwick").size());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path() + "/file/config");
  dialogs.QueueAnswer(platform::vbOK);
  dialogs.QueueAnswer(platform::vbNo);
  Load();
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previous);

  EXPECT_FALSE(window->Check1->isChecked());
  EXPECT_FALSE(window->Check2->isChecked()) << "Kill could not be written, so it reads its default";
  EXPECT_EQ(dialogs.Boxes().size(), 2);
  EXPECT_EQ(quits, 1);
}

TEST_F(StartupTest, RoadWithApkRunsItsStepsInOrderAndNeverAsks) {
  Set("Explentry", "off");
  Set("tooltip", "on");
  tools.setScenario("aapt", "when~ badging\nout package: name='com.example.demo' versionCode='1210' "
                            "versionName='1.2'\\r\\napplication-label:'演示'\\r\\n\n");
  tools.setScenario("adb",
                    "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                    "when~ ^shell df\nout Filesystem Size Used Avail Use% Mounted\\r\\n/dev/fuse 114G 16G 98G 15% /x\\r\\n\n"
                    "when~ dumpsys\nout versionCode=1203 minSdk=29\\r\\n\n");
  QString apk = tools.path() + QStringLiteral("/my \"odd\" 文件 name.apk");
  QFile(apk).open(QIODevice::WriteOnly);
  Load(apk);

  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_TRUE(dialogs.ModalForms().isEmpty());
  EXPECT_EQ(quits, 0);
  EXPECT_FALSE(window->Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(window->StartedWithoutApk, 0);
  EXPECT_EQ(window->ApkPath, apk);
  EXPECT_EQ(window->ApkFileName, QStringLiteral("my \"odd\" 文件 name.apk"));
  EXPECT_EQ(window->Label5->text(), window->ApkFileName);
  EXPECT_EQ(window->Label5->toolTip(), window->ApkFileName);
  EXPECT_TRUE(window->Frame1->isEnabled());
  EXPECT_TRUE(QFile::exists(apk)) << "the APK carries its own name again";

  // Badging, then the storage, then the installed version.
  QStringList calls = tools.calls();
  auto indexOf = [&](const QString& start) {
    for (int i = 0; i < calls.size(); ++i)
      if (calls[i].startsWith(start)) return i;
    return -1;
  };
  int badging = indexOf("aapt d badging"), echo = indexOf("adb shell echo"), dumpsys = indexOf("adb shell dumpsys");
  ASSERT_GE(badging, 0) << calls.join('\n').toStdString();
  EXPECT_LT(badging, echo);
  EXPECT_LT(echo, dumpsys);
  EXPECT_TRUE(window->txtOutputs->Text().startsWith(QStringLiteral("\r\nOlder Buildnumber found\r\n")))
      << window->txtOutputs->Text().toStdString();
}

TEST_F(StartupTest, ApkThatDoesNotExistStillReachesTheEndOfStartUp) {
  Load(tools.path() + QStringLiteral("/gone/缺失 file.apk"));
  EXPECT_FALSE(window->Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_TRUE(window->isEnabled());
  EXPECT_EQ(quits, 0);
  EXPECT_EQ(window->Label5->text(), QStringLiteral("缺失 file.apk"));
}
