#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "runner/picture_box.h"
#include "runner/text_paths.h"
#include "runner/vb_color.h"
#include "support/fixtures.h"
#include "support/gtest_qt.h"
#include "support/main_window_fixture.h"
#include "support/test_files.h"
#include "test_apk_builder.h"

namespace {

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files); }

}  // namespace

// Start-up with an APK: the real aapt (or the fake one) in the program folder, the fake adb as a device.
class ApkStartup : public MainWindowTest {
 protected:
  void SetUp() override {
    ProbeForeground(false);
    if (realAapt) {
      if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
      ASSERT_TRUE(QFile::remove(folder.path() + QStringLiteral("/aapt")));
      ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin/aapt"), folder.path() + QStringLiteral("/aapt")));
    }
    folder.setScenario(QStringLiteral("adb"), QStringLiteral("when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
                                                             "when shell df -h /sdcard\n") +
                                                  FixtureOut("df_storage_emulated.txt") +
                                                  "when shell dumpsys package com.example.demo\nout     versionCode=1203 minSdk=24\\r\\n\n");
  }

  // Builds the APK in a fresh source folder, so no resource of an earlier build slips in.
  QString Build(const TestApkRecipe& recipe, const QString& name = QStringLiteral("demo game.apk")) {
    const QString apk = apkDir.path() + '/' + name;
    EXPECT_TRUE(BuildTestApk(work.path() + '/' + QString::number(++builds), apk, recipe));
    return apk;
  }
  void Load(const QString& apk) {
    NewWindow(false);
    window->SetCommandLine(apk);
    window->Form_Load();
  }
  // What start-up left in the program folder besides the tools and the fakes' own files.
  QStringList LeftInProgramFolder() const {
    QStringList files = FilesIn(folder.path());
    files.removeIf([](const QString& f) { return f == "aapt" || f == "adb" || f.startsWith("fake_") || f.endsWith(".scenario"); });
    return files;
  }
  QStringList LabelTexts(int last, bool toolTips = false) const {
    QStringList texts;
    for (int k = 1; k <= last; ++k) texts << (toolTips ? window->Label[k]->toolTip() : window->Label[k]->text());
    return texts;
  }

  bool realAapt = true;
  int builds = 0;
  QTemporaryDir apkDir, work;
};

TEST_F(ApkStartup, RealApkShowsIconLabelsStatusAndStorage) {
  Load(Build({.label = QStringLiteral("头显游戏")}));

  EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48));
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo game.apk"});
  EXPECT_EQ(LeftInProgramFolder(), QStringList{}) << "the icon copy is deleted";
  EXPECT_EQ(LabelTexts(10), QStringList({QStringLiteral("头显游戏"), "com.example.demo", "1.2.10", "1210", "demo game.apk",
                                         " 1203 (Older)", "114 Gb", "16 Gb", "98 Gb", "15 %"}));
  EXPECT_EQ(LabelTexts(4, true), LabelTexts(4));
  EXPECT_EQ(vbcolor::BackColor(window->Label6), vbcolor::Rgb(0, 255, 0));
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nOlder Buildnumber found\r\n");
  EXPECT_FALSE(State().Busy);
  EXPECT_EQ(folder.calls(), QStringList({"adb shell echo $EXTERNAL_STORAGE", "adb shell df -h /sdcard",
                                          "adb shell dumpsys package com.example.demo"}));
}

// An icon of the same name that was already in the program folder is not the program's copy.
TEST_F(ApkStartup, BadFilesOrNoAaptEndStartUpWithEmptyLabelsAndTheirNames) {
  ASSERT_TRUE(WriteTestFile(folder.path() + QStringLiteral("/app_icon.png"), "own"));
  for (const auto& [file, content] :
       {std::pair{"notes.apk", "not a zip at all"}, {"empty.apk", ""}, {"gone.apk", nullptr}, {"no aapt.apk", ""}}) {
    if (QString(file) == "no aapt.apk") QFile::remove(folder.path() + QStringLiteral("/aapt"));
    const QString path = apkDir.path() + '/' + file;
    if (content) {
      ASSERT_TRUE(WriteTestFile(path, content));
    }
    Load(path);
    EXPECT_EQ(LabelTexts(4), QStringList({"", "", "", ""})) << file;
    EXPECT_EQ(State().ManifestPermCount, 0) << file;
    EXPECT_TRUE(window->Picture1->Picture().isNull()) << file;
    EXPECT_EQ(FilesIn(apkDir.path()), content ? QStringList{file} : QStringList{}) << file;
    EXPECT_EQ(LeftInProgramFolder(), QStringList{"app_icon.png"}) << file;
    EXPECT_EQ(window->txtOutputs->Text(), QStringLiteral("\r\n未安装          \r\n")) << file;
    EXPECT_FALSE(State().Busy) << file;
    EXPECT_EQ(State().BadgingInfo[9], "res\\mipmap-mdpi-v4\\app_icon.png") << "all fallbacks tried: " << file;
    QFile::remove(path);
  }
}

TEST_F(ApkStartup, ApkThatIsNotRenamedStillShowsItsIconAndEveryFileKeepsItsName) {
  for (const auto& [name, usersZip] : {std::pair{"demo.APK", false}, {"demo.apk", true}}) {
    if (usersZip) {
      ASSERT_TRUE(WriteTestFile(apkDir.path() + QStringLiteral("/demo.zip"), "mine"));
    }
    Load(Build({}, name));
    window->Timer3_Timer();
    EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48)) << name;
    EXPECT_EQ(FilesIn(apkDir.path()), usersZip ? QStringList({"demo.apk", "demo.zip"}) : QStringList{name}) << name;
    if (usersZip) {
      EXPECT_EQ(ReadTestFile(apkDir.path() + QStringLiteral("/demo.zip")), "mine");
    }
    for (const QString& file : FilesIn(apkDir.path())) QFile::remove(apkDir.path() + '/' + file);
  }
}

class FakeBadgingStartup : public ApkStartup {
 protected:
  FakeBadgingStartup() { realAapt = false; }
  void Badging(const QString& iconEntry) {
    folder.setScenario(QStringLiteral("aapt"),
                        QStringLiteral("when *\nout package: name='com.example.demo' versionCode='1210' versionName='1'\\n"
                                       "application: label='Demo' icon='") +
                            iconEntry + QStringLiteral("'\\n\n"));
  }
};

TEST_F(FakeBadgingStartup, XmlOrMissingIconEntryFallsBackInOrder) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is needed to build the APK";
  // The built APK's icon lies at the last fallback entry.
  for (const auto& [entry, icon] : {std::pair{"res/mipmap-anydpi-v26/ic_launcher.xml", true},
                                    {"res/x/missing.png", true}, {"res/mipmap-anydpi-v26/ic_launcher.xml", false}}) {
    Badging(entry);
    Load(Build({.icon = icon}));
    EXPECT_EQ(State().BadgingInfo[9], "res\\mipmap-mdpi-v4\\app_icon.png") << entry;
    EXPECT_EQ(window->Picture1->Picture().isNull(), !icon) << entry;
    EXPECT_EQ(window->Label2->text(), "com.example.demo");
    EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo game.apk"});
    EXPECT_EQ(LeftInProgramFolder(), QStringList{});
  }
}

// The OBB list that start-up logs after the comparison.
using ObbList = MainWindowTest;

TEST_F(ObbList, PackageFolderBeepsAndEnablesTheButtonsOtherwiseFilesBesideTheApk) {
  struct Case {
    const char* name;
    QString package;
    QStringList files;
    QString log;
    bool packageFolder;
  };
  const QString found = QStringLiteral("\r\nFound OBB Files: \r\n");
  const QList<Case> cases = {
      {"package folder, any case, *.obb only", "com.example.demo",
       {"com.example.demo/main.1210.com.example.demo.obb", "com.example.demo/PATCH.OBB", "com.example.demo/old.obb.bak",
        "beside.obb"},
       found + "main.1210.com.example.demo.obb\r\nPATCH.OBB\r\n", true},
      {"empty package folder logs nothing", "com.example.demo", {"com.example.demo/", "beside.obb"}, "", true},
      {"no package folder", "com.example.demo", {"beside.obb", "demo.apk"}, found + "beside.obb\r\n", false},
      {"empty package name never takes the APK's folder", "", {"beside.obb"}, found + "beside.obb\r\n", false},
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    for (const QString& file : c.files) ASSERT_TRUE(file.endsWith('/') ? QDir(dir.path()).mkpath(file) : WriteTestFile(dir.path() + '/' + file));
    beeps.Reset();
    NewWindow(false);
    State().ApkPath = dir.path() + QStringLiteral("/demo.apk");
    window->Label2->setText(c.package);
    for (QPushButton* b : window->Command) if (b) b->setEnabled(false);

    window->FindObbFiles();
    EXPECT_EQ(window->txtOutputs->Text(), c.log) << c.name;
    EXPECT_EQ(window->txtOutputs->SelStart(), c.log.size()) << c.name;
    EXPECT_EQ(beeps.count(), c.packageFolder ? 1 : 0) << c.name;
    for (int k = 1; k <= 12; ++k)
      EXPECT_EQ(window->Command[k]->isEnabled(), c.packageFolder && (k < 7 || k > 10)) << c.name << " Command" << k;
  }
}

TEST(FileName, LastComponentOfEitherSeparator) {
  for (const auto& [path, name] : {std::pair{"C:\\Games\\demo.apk", "demo.apk"}, {"res/mipmap-mdpi/app_icon.png", "app_icon.png"},
                                   {"/home/u/my games\\x/demo.apk", "demo.apk"}, {"demo.apk", "demo.apk"},
                                   {"/home/u/", ""}, {"res\\", ""}})
    EXPECT_EQ(GetFileName(QString::fromUtf8(path)), name) << path;
}
