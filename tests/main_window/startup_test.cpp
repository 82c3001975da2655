#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include "main_window/file_manager_integration.h"
#include "main_window/log_box.h"
#include "main_window/tip_window.h"
#include "runner/picture_box.h"
#include "runner/tools.h"
#include "runner/vb_color.h"
#include "startup_fixture.h"
#include "support/test_files.h"

namespace {

QString Box(const QString& text, int style, const QString& title = QStringLiteral("Tarnwick")) {
  return title + '|' + QString::number(style) + '|' + text;
}
QStringList Seen(const ScriptedDialogs& dialogs) {
  QStringList seen;
  for (const RecordedBox& box : dialogs.Boxes()) seen << Box(box.text, box.style, box.title);
  return seen;
}

const QString kBox1 = Box(QStringLiteral("Tarnwick将自身集成到资源管理器中， 通过右键单击APK文件，可以使用Tarnwick来安装该文件。") +
                              QString(67, ' ') + QStringLiteral("\r\r") +
                              QStringLiteral("在确认资源管理器集成之前，请将Tarnwick的目录复制到一个永久磁盘位置") +
                              QString(113, ' '),
                          platform::vbInformation);
const QString kBox2 = Box(QStringLiteral("是否在鼠标右键菜单中集成Tarnwick？") + QString(20, ' '), platform::vbYesNo,
                          QStringLiteral("资源管理器集成") + QString(13, ' '));
const QString kBox3 = Box(QStringLiteral("错误：也许没有管理员权限！") + QString(26, ' '), platform::vbOKOnly);
const QString kBox4 = Box(QStringLiteral("右键单击APK文件，然后选择“install”") + QString(19, ' '), platform::vbInformation);

QString DesktopEntry() {
  return QString::fromUtf8(ReadTestFile(platform::ApplicationsFolder() + QStringLiteral("/tarnwick.desktop")));
}

}  // namespace

TEST_F(StartupTest, FirstRunIntegrationEndsTheProgramWhateverTheAnswer) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteTestFile(dir.path() + "/not-a-folder"));
  struct Case {
    const char* name;
    QList<int> answers;
    const char* grant;  // before the load
    bool unwritable;    // the applications folder cannot be made
    QStringList boxes;
    int beeps;
    const char* explentryAfter;
    const char* grantAfter;
  } cases[] = {
      {"declined", {platform::vbOK, platform::vbNo}, nullptr, false, {kBox1, kBox2}, 0, "<missing>", "<missing>"},
      {"accepted", {}, "on", false, {kBox1, kBox2, kBox4}, 1, "on", "off"},
      {"unwritable", {}, nullptr, true, {kBox1, kBox2, kBox3}, 0, "off", "<missing>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh({{"Grant", c.grant}});
    for (int answer : c.answers) dialogs.QueueAnswer(answer);
    QByteArray previous = qgetenv("XDG_DATA_HOME");
    if (c.unwritable) qputenv("XDG_DATA_HOME", (dir.path() + "/not-a-folder").toUtf8());
    Load();
    qputenv("XDG_DATA_HOME", previous);

    EXPECT_EQ(Seen(dialogs), c.boxes);
    EXPECT_EQ(beeps.count(), c.beeps);
    EXPECT_EQ(quits, 1) << "nothing runs after the first end";
    EXPECT_EQ(Get("Kill"), QStringLiteral("on"));
    EXPECT_EQ(Get("Explentry"), QString::fromLatin1(c.explentryAfter));
    EXPECT_EQ(Get("Grant"), QString::fromLatin1(c.grantAfter));
    EXPECT_EQ(DesktopEntry().isEmpty(), Get("Explentry") != QStringLiteral("on"));
    EXPECT_TRUE(splash->isVisible()) << "the integration ends the program; it does not hide the splash";
  }
}

// A store that cannot be written must not report success: the error box shows and the program ends.
TEST_F(StartupTest, SettingsStoreThatCannotBeWrittenFailsTheIntegration) {
  const QString file = SettingsStore().fileName();
  QFile::remove(file);
  ASSERT_TRUE(QDir().mkpath(file));
  Load();
  QDir(file).removeRecursively();

  EXPECT_EQ(Seen(dialogs), QStringList({kBox1, kBox2, kBox3}));
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(Get("Explentry"), QStringLiteral("<missing>"));
}

TEST_F(StartupTest, DesktopEntryOpensApkFilesWithOneSeparatorAndTheNextStartDoesNotAsk) {
  EXPECT_EQ(VerbExecutablePath("/opt/tarnwick", "tarnwick"), QStringLiteral("/opt/tarnwick/tarnwick"));
  EXPECT_EQ(VerbExecutablePath("/opt/tarnwick/", "tarnwick"), QStringLiteral("/opt/tarnwick/tarnwick"));
  EXPECT_EQ(VerbExecutablePath("/", "tarnwick"), QStringLiteral("/tarnwick"));

  auto folderWithSlash = ScopedOverride(tools::ProgramFolderSeam(), QStringLiteral("/opt/tarnwick/"));
  Load();
  QString program = "/opt/tarnwick/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  QString entry = DesktopEntry();
  EXPECT_TRUE(entry.contains("\nExec=" + program + " %f\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nMimeType=application/vnd.android.package-archive;\n"));
  EXPECT_TRUE(entry.contains("\nIcon=" + program + '\n'));
  EXPECT_FALSE(entry.contains("//"));

  morvell second;
  second.SetSplash(splash.get());
  second.Form_Load();
  EXPECT_EQ(dialogs.Boxes().size(), 3) << "no new box";
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(MainWindowState(second).Busy);
  EXPECT_FALSE(splash->isVisible());
}

TEST_F(StartupTest, IntegrationAndTipFollowExactSettingValues) {
  struct Case {
    const char* explentry;  // anything but exactly "off" skips the integration
    const char* tooltip;    // only exactly "on" shows the tip, and only without an APK
    bool withApk;
    int tips;
  } cases[] = {{"on", "on", false, 1},  {"on", "On", false, 0},  {"on", "off", false, 0}, {"on", nullptr, false, 0},
               {"on", "on", true, 0},   {"Off", "on", false, 1}, {"OFF", nullptr, false, 0}, {"", nullptr, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.explentry) + " / " + (c.tooltip ? c.tooltip : "missing"));
    Fresh({{"Explentry", c.explentry}, {"tooltip", c.tooltip}});
    Load(c.withApk ? folder.path() + "/none.apk" : QString());
    int tips = 0;
    for (QWidget* form : dialogs.ModalForms()) tips += qobject_cast<Form7*>(form) != nullptr;
    EXPECT_EQ(tips, c.tips);
    EXPECT_TRUE(dialogs.Boxes().isEmpty());
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(State().Busy);
  }
}

TEST_F(StartupTest, CheckBoxSettingsAreComparedExactlyAndWrittenBackOnEveryClick) {
  struct Case {
    const char* section;
    const char* stored;  // nullptr: missing
    bool ticked;
    const char* afterwards;
  } cases[] = {{"Grant", nullptr, false, "<missing>"}, {"Grant", "off", false, "off"}, {"Grant", "on", true, "on"},
               {"Grant", "yes", true, "on"},           {"Grant", "OFF", true, "on"},   {"Grant", "", true, "on"},
               {"Kill", nullptr, true, "on"},          {"Kill", "", true, "on"},       {"Kill", "off", false, "off"},
               {"Kill", "Off", true, "on"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + " = " + (c.stored ? c.stored : "missing"));
    Fresh({{"Explentry", "on"}, {c.section, c.stored}});
    Load();
    QCheckBox* box = QString(c.section) == "Grant" ? window->Check1 : window->Check2;
    EXPECT_EQ(box->isChecked(), c.ticked);
    EXPECT_EQ(Get(c.section), QString::fromLatin1(c.afterwards));
  }
  // The last load left Check1 unticked (and disabled by road A) and Check2 ticked.
  window->Check1->setEnabled(true);
  for (const char* grant : {"on", "off"}) {
    window->Check1->click();
    EXPECT_EQ(Get("Grant"), QString::fromLatin1(grant));
  }
  for (const char* kill : {"off", "on"}) {
    window->Check2->click();
    EXPECT_EQ(Get("Kill"), QString::fromLatin1(kill));
  }
}

TEST_F(StartupTest, ABoxWhoseSettingCannotBeSavedSaysSoInTheLogOnly) {
  const QString file = SettingsStore().fileName();
  const auto notSaved = [&](const char* section) {
    return QStringLiteral("\r\nCould not save the setting \"%1\" to %2\r\n").arg(section, file);
  };
  struct Case {
    const char* what;
    bool folder;  // else a file that does not parse, which still takes the write
    QString log;
  };
  for (const Case& c : {Case{"folder", true, notSaved("Grant") + notSaved("Kill") + notSaved("tooltip")}, Case{"unparsed file", false, ""}}) {
    SCOPED_TRACE(c.what);
    Fresh({{"Explentry", "on"}});
    Load();
    window->txtOutputs->SetText(QString());
    ASSERT_TRUE(QFile::remove(file));
    auto cleanUp = qScopeGuard([&] { QDir(file).removeRecursively(); });
    ASSERT_TRUE(c.folder ? QDir().mkpath(file) : WriteTestFile(file, "[Grant\n\x01"));
    window->Check1->setEnabled(true);
    window->Check1->click();
    window->Check2->click();
    window->Form7Instance()->Check1->setChecked(true);
    window->Form7Instance()->Command1->click();
    EXPECT_EQ(window->txtOutputs->Text(), c.log);
    EXPECT_TRUE(window->Check1->isChecked() && !window->Check2->isChecked());
    if (!c.folder) {
      EXPECT_EQ(Get("Grant"), "on");
    }
  }
}

TEST_F(StartupTest, RoadWithoutApkLeavesTheWindowInItsNoApkState) {
  Fresh({{"Explentry", "on"}});
  Load();

  EXPECT_EQ(State().StartedWithoutApk, 1);
  EXPECT_FALSE(State().Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(window->WidthTwips(), 8625);
  ASSERT_TRUE(State().objDOS);
  EXPECT_EQ(window->Label5->text(),
            QStringLiteral("要安装APK，请右键单击APK文件，然后选择Tarnwick") + QString(32, ' '));
  EXPECT_EQ(vbcolor::ForeColor(window->Label5), 255);
  EXPECT_TRUE(window->Label5->font().bold());
  using Widgets = std::initializer_list<QWidget*>;
  for (QWidget* off : Widgets{window->Frame1, window->Frame2, window->Frame3, window->Frame4, window->Frame5,
                              window->Frame6, window->Command1, window->Command2, window->Command4, window->Command5,
                              window->Check1})
    EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
  for (QWidget* on : Widgets{window->Check2, window->Command6, window->Command9, window->Command11, window->Command12,
                             window->Text1})
    EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
  for (PictureBox* frame : window->Picture2) EXPECT_TRUE(frame->isHidden());
  EXPECT_TRUE(window->Timer2->isActive());
  EXPECT_TRUE(window->Timer3->isActive());
  EXPECT_TRUE(folder.calls().isEmpty()) << "no command runs without an APK";
}

TEST_F(StartupTest, UnreadableOrOddSettingsFileFallsBackToDefaults) {
  ASSERT_TRUE(WriteTestFile(SettingsStore().fileName(),
                            "\x01garbage=[[[\n[Grant\nValue=\n[Kill]\nValue=a, b, c\n[Explentry]\nValue=@Variant(\\0\\0\\0)\n"));
  Load();
  EXPECT_TRUE(window->Check2->isChecked());
  EXPECT_EQ(quits, 0) << "an odd Explentry is not exactly off";
  EXPECT_FALSE(State().Busy);
}

TEST_F(StartupTest, ReadOnlySettingsLocationStartsWithTheDefaults) {
  QTemporaryDir dir;
  ASSERT_TRUE(WriteTestFile(dir.path() + "/file"));
  QString previous = QFileInfo(SettingsStore().fileName()).absolutePath();
  previous.chop(QStringLiteral("/Tarnwick").size());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path() + "/file/config");
  dialogs.QueueAnswer(platform::vbOK);
  dialogs.QueueAnswer(platform::vbNo);
  const QString file = SettingsStore().fileName();
  Load();
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previous);

  EXPECT_FALSE(window->Check1->isChecked());
  EXPECT_TRUE(window->Check2->isChecked()) << "Kill could not be written, yet its default holds for this run";
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nCould not save the setting \"Kill\" to " + file + "\r\n");
  EXPECT_EQ(dialogs.Boxes().size(), 2);
  EXPECT_EQ(quits, 1);
}

TEST_F(StartupTest, RoadWithApkRunsItsStepsInOrderAndNeverAsks) {
  Fresh({{"Explentry", "off"}, {"tooltip", "on"}});
  folder.setScenario("aapt", "when~ badging\nout package: name='com.example.demo' versionCode='1210' "
                            "versionName='1.2'\\r\\napplication-label:'演示'\\r\\n\n");
  folder.setScenario("adb",
                    "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                    "when~ ^shell df\nout Filesystem Size Used Avail Use% Mounted\\r\\n/dev/fuse 114G 16G 98G 15% /x\\r\\n\n"
                    "when~ dumpsys\nout versionCode=1203 minSdk=29\\r\\n\n");
  QString apk = folder.path() + QStringLiteral("/my \"odd\" 文件 name.apk");
  ASSERT_TRUE(WriteTestFile(apk));
  Load(apk);

  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_EQ(quits, 0);
  EXPECT_FALSE(State().Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(State().ApkPath, apk);
  EXPECT_EQ(State().ApkFileName, QStringLiteral("my \"odd\" 文件 name.apk"));
  EXPECT_EQ(window->Label5->text(), State().ApkFileName);
  EXPECT_EQ(window->Label5->toolTip(), State().ApkFileName);
  EXPECT_TRUE(window->Frame1->isEnabled());
  EXPECT_TRUE(QFile::exists(apk)) << "the APK carries its own name again";

  // Badging, then the storage, then the installed version.
  QString calls = folder.calls().join('\n');
  int badging = calls.indexOf("aapt d badging"), echo = calls.indexOf("adb shell echo");
  ASSERT_GE(badging, 0) << calls.toStdString();
  EXPECT_LT(badging, echo);
  EXPECT_LT(echo, calls.indexOf("adb shell dumpsys"));
  EXPECT_TRUE(window->txtOutputs->Text().startsWith(QStringLiteral("\r\nOlder Buildnumber found\r\n")))
      << window->txtOutputs->Text().toStdString();
}

TEST_F(StartupTest, ApkThatDoesNotExistStillReachesTheEndOfStartUp) {
  Load(folder.path() + QStringLiteral("/gone/缺失 file.apk"));
  EXPECT_FALSE(State().Busy);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_TRUE(window->isEnabled());
  EXPECT_EQ(quits, 0);
  EXPECT_EQ(window->Label5->text(), QStringLiteral("缺失 file.apk"));
}
