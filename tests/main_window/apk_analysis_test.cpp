#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "platform/foreground.h"
#include "runner/picture_box.h"
#include "runner/vb_color.h"
#include "support/fake_program_folder.h"
#include "support/scripted_dialogs.h"
#include "test_apk_builder.h"

namespace {

const QString kDevice = QStringLiteral(
    "when devices\nout List of devices attached\\n1WMHH0000000\\tdevice\\n\\n\n"
    "when shell echo $EXTERNAL_STORAGE\nout /sdcard\\r\\n\n"
    "when shell df -h /sdcard\nout Filesystem Size Used Avail Use% Mounted on\\r\\n"
    "/dev/fuse 114G 16G 98G 15% /storage/emulated\\r\\n\n"
    "when shell dumpsys package com.example.demo\nout     versionCode=1203 minSdk=24 targetSdk=29\\r\\n\n");

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files); }

}  // namespace

// Start-up with an APK: the real aapt (when installed) or the fake one, the fake adb as a device.
class ApkStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    platform::SetForegroundProbe([](const QWidget*) { return false; });
    folder = std::make_unique<FakeProgramFolder>(true, !realAapt);
    if (realAapt) {
      if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is not installed";
      ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin/aapt"), folder->path() + QStringLiteral("/aapt")));
    }
    folder->setScenario(QStringLiteral("adb"), kDevice);
    window = std::make_unique<morvell>();
  }
  void TearDown() override {
    window.reset();
    platform::SetForegroundProbe(nullptr);
  }

  QString Build(const TestApkSpec& spec, const QString& name = QStringLiteral("demo game.apk")) {
    const QString apk = apkDir.path() + '/' + name;
    EXPECT_TRUE(BuildTestApk(work.path(), apk, spec));
    return apk;
  }
  void Load(const QString& apk) {
    window->SetCommandLine(apk);
    window->Form_Load();
  }
  QStringList ProgramFolderFiles() const {
    QStringList files = FilesIn(folder->path());
    files.removeAll(QStringLiteral("fake_calls.log"));
    files.removeAll(QStringLiteral("adb.scenario"));
    files.removeAll(QStringLiteral("aapt.scenario"));
    return files;
  }

  bool realAapt = true;
  QTemporaryDir apkDir;
  QTemporaryDir work;
  std::unique_ptr<FakeProgramFolder> folder;
  ScriptedDialogs dialogs;
  BeepCounter beeps;
  std::unique_ptr<morvell> window;
};

TEST_F(ApkStartup, RealApkShowsIconLabelsStatusAndStorage) {
  TestApkSpec spec;
  spec.label = QStringLiteral("头显游戏");
  const QString apk = Build(spec);
  Load(apk);

  EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48));
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo game.apk"});
  EXPECT_EQ(ProgramFolderFiles(), QStringList({"aapt", "adb"})) << "the icon copy is deleted";
  EXPECT_TRUE(window->ZipRenamePending);
  EXPECT_EQ(window->ZipPath, apkDir.path() + QStringLiteral("/demo game.zip"));
  EXPECT_EQ(window->BadgingInfo[9], "res\\mipmap-mdpi-v4\\app_icon.png");

  EXPECT_EQ(window->Label1->text(), QStringLiteral("头显游戏"));
  EXPECT_EQ(window->Label2->text(), "com.example.demo");
  EXPECT_EQ(window->Label3->text(), "1.2.10");
  EXPECT_EQ(window->Label4->text(), "1210");
  EXPECT_EQ(window->Label1->toolTip(), QStringLiteral("头显游戏"));
  EXPECT_EQ(window->Label4->toolTip(), "1210");
  EXPECT_EQ(window->Label5->text(), "demo game.apk");
  EXPECT_EQ(window->Label6->text(), " 1203 (Older)");
  EXPECT_EQ(vbcolor::BackColor(window->Label6), vbcolor::Rgb(0, 255, 0));
  EXPECT_EQ(window->Label7->text(), "114 Gb");
  EXPECT_EQ(window->Label9->text(), "98 Gb");
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nOlder Buildnumber found\r\n");
  EXPECT_FALSE(window->Busy);
  EXPECT_EQ(folder->calls(), QStringList({"adb shell echo $EXTERNAL_STORAGE", "adb shell df -h /sdcard",
                                          "adb shell dumpsys package com.example.demo"}));
}

TEST_F(ApkStartup, BadFilesEndStartUpWithEmptyLabelsAndTheirNames) {
  struct Case {
    const char* name;
    QString file;
    QByteArray content;
    bool create;
  };
  const QList<Case> cases = {
      {"text file", "notes.apk", "not a zip at all", true},
      {"zero bytes", "empty.apk", "", true},
      {"missing file", "gone.apk", "", false},
  };
  for (const Case& c : cases) {
    window = std::make_unique<morvell>();
    folder->clearCalls();
    const QString path = apkDir.path() + '/' + c.file;
    if (c.create) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.content);
    }
    Load(path);
    for (QLabel* label : {window->Label1, window->Label2, window->Label3, window->Label4})
      EXPECT_EQ(label->text(), "") << c.name;
    EXPECT_EQ(FilesIn(apkDir.path()), c.create ? QStringList{c.file} : QStringList{}) << c.name;
    EXPECT_EQ(ProgramFolderFiles(), QStringList({"aapt", "adb"})) << c.name;
    EXPECT_EQ(window->txtOutputs->Text(), QStringLiteral("\r\n未安装          \r\n")) << c.name;
    EXPECT_FALSE(window->Busy) << c.name;
    EXPECT_EQ(window->BadgingInfo[9], "res\\mipmap-mdpi-v4\\app_icon.png") << "all fallbacks tried: " << c.name;
    QFile::remove(path);
  }
}

TEST_F(ApkStartup, PathNotEndingInApkIsNeverRenamed) {
  const QString apk = Build(TestApkSpec{}, QStringLiteral("demo.APK"));
  Load(apk);
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo.APK"});
  EXPECT_TRUE(window->ZipPath.isEmpty());
  EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48));
}

TEST_F(ApkStartup, UsersOwnZipBesideTheApkIsLeftAlone) {
  const QString apk = Build(TestApkSpec{}, QStringLiteral("demo.apk"));
  QFile zip(apkDir.path() + QStringLiteral("/demo.zip"));
  ASSERT_TRUE(zip.open(QIODevice::WriteOnly));
  zip.write("mine");
  zip.close();
  Load(apk);
  window->Timer3_Timer();
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList({"demo.apk", "demo.zip"}));
  EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48));
}

class FakeBadgingStartup : public ApkStartup {
 protected:
  FakeBadgingStartup() { realAapt = false; }
  void Badging(const QString& iconEntry) {
    folder->setScenario(QStringLiteral("aapt"),
                        QStringLiteral("when *\nout package: name='com.example.demo' versionCode='1210' versionName='1'\\n"
                                       "application: label='Demo' icon='") +
                            iconEntry + QStringLiteral("'\\n\n"));
  }
};

TEST_F(FakeBadgingStartup, XmlOrMissingIconEntryFallsBackInOrder) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is needed to build the APK";
  for (const QString& entry : {QStringLiteral("res/mipmap-anydpi-v26/ic_launcher.xml"), QStringLiteral("res/x/missing.png")}) {
    window = std::make_unique<morvell>();
    Badging(entry);
    const QString apk = Build(TestApkSpec{});  // its icon lies at the last fallback entry
    Load(apk);
    EXPECT_EQ(window->BadgingInfo[9], "res\\mipmap-mdpi-v4\\app_icon.png") << entry.toStdString();
    EXPECT_EQ(window->Picture1->Picture().size(), QSize(48, 48)) << entry.toStdString();
    EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo game.apk"});
    EXPECT_EQ(ProgramFolderFiles(), QStringList({"aapt", "adb"}));
  }
}

TEST_F(FakeBadgingStartup, ApkWithoutAnyIconKeepsThePictureAsDesigned) {
  if (!RealAaptAvailable()) GTEST_SKIP() << "/usr/bin/aapt is needed to build the APK";
  Badging(QStringLiteral("res/mipmap-anydpi-v26/ic_launcher.xml"));
  TestApkSpec spec;
  spec.icon = false;
  Load(Build(spec));
  EXPECT_TRUE(window->Picture1->Picture().isNull());
  EXPECT_EQ(window->Label2->text(), "com.example.demo");
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"demo game.apk"});
}

TEST_F(FakeBadgingStartup, IconNameAlreadyInTheProgramFolderIsNotDeletedWhenTheCopyFails) {
  Badging(QStringLiteral("res/mipmap-mdpi/app_icon.png"));
  QFile own(folder->path() + QStringLiteral("/app_icon.png"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.close();
  QFile apk(apkDir.path() + QStringLiteral("/broken.apk"));
  ASSERT_TRUE(apk.open(QIODevice::WriteOnly));
  apk.close();
  Load(apk.fileName());
  EXPECT_TRUE(QFile::exists(own.fileName()));
  EXPECT_TRUE(window->Picture1->Picture().isNull());
}

TEST_F(FakeBadgingStartup, AaptMissingLeavesEverythingEmpty) {
  QFile::remove(folder->path() + QStringLiteral("/aapt"));
  QFile apk(apkDir.path() + QStringLiteral("/x.apk"));
  ASSERT_TRUE(apk.open(QIODevice::WriteOnly));
  apk.close();
  Load(apk.fileName());
  EXPECT_EQ(window->Label2->text(), "");
  EXPECT_EQ(window->ManifestPermCount, 0);
  EXPECT_FALSE(window->Busy);
  EXPECT_EQ(FilesIn(apkDir.path()), QStringList{"x.apk"});
  EXPECT_FALSE(window->txtOutputs->Text().contains("Buildnumber"));
}

// The OBB list that start-up logs after the comparison.
class ObbList : public ::testing::Test {
 protected:
  void SetUp() override {
    window->ApkPath = dir.path() + QStringLiteral("/demo.apk");
    window->Label2->setText(QStringLiteral("com.example.demo"));
    for (QPushButton* b : window->Command) if (b) b->setEnabled(false);
  }
  void Put(const QString& relPath) {
    QDir(dir.path()).mkpath(QFileInfo(dir.path() + '/' + relPath).path());
    QFile file(dir.path() + '/' + relPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QTemporaryDir dir;
  FakeProgramFolder folder;
  BeepCounter beeps;
  std::unique_ptr<morvell> window = std::make_unique<morvell>();
};

TEST_F(ObbList, PackageFolderFilesAreListedWithBeepAndButtons) {
  Put(QStringLiteral("com.example.demo/main.1210.com.example.demo.obb"));
  Put(QStringLiteral("com.example.demo/PATCH.OBB"));
  Put(QStringLiteral("com.example.demo/old.obb.bak"));
  Put(QStringLiteral("beside.obb"));
  window->FindObbFiles();
  const QString log = window->txtOutputs->Text();
  EXPECT_TRUE(log.startsWith("\r\nFound OBB Files: \r\n"));
  QStringList names = log.mid(QStringLiteral("\r\nFound OBB Files: \r\n").size()).split("\r\n");
  EXPECT_EQ(names.takeLast(), "");
  names.sort();
  EXPECT_EQ(names, QStringList({"PATCH.OBB", "main.1210.com.example.demo.obb"}));
  EXPECT_EQ(beeps.count(), 1);
  for (int k : {1, 2, 3, 4, 5, 6, 11, 12}) EXPECT_TRUE(window->Command[k]->isEnabled()) << k;
  for (int k : {7, 8, 9, 10}) EXPECT_FALSE(window->Command[k]->isEnabled()) << k;
  EXPECT_EQ(window->txtOutputs->SelStart(), log.size());
}

TEST_F(ObbList, EmptyPackageFolderBeepsAndLogsNothing) {
  QDir(dir.path()).mkdir(QStringLiteral("com.example.demo"));
  Put(QStringLiteral("beside.obb"));
  window->FindObbFiles();
  EXPECT_EQ(window->txtOutputs->Text(), "");
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_TRUE(window->Command1->isEnabled());
}

TEST_F(ObbList, FilesBesideTheApkWithoutBeepOrButtons) {
  Put(QStringLiteral("beside.obb"));
  Put(QStringLiteral("demo.apk"));
  window->FindObbFiles();
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nFound OBB Files: \r\nbeside.obb\r\n");
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_FALSE(window->Command1->isEnabled());
}

TEST_F(ObbList, EmptyPackageNameNeverTakesTheApkFolderForThePackageFolder) {
  window->Label2->setText(QString());
  Put(QStringLiteral("beside.obb"));
  window->FindObbFiles();
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_FALSE(window->Command1->isEnabled());
  EXPECT_EQ(window->txtOutputs->Text(), "\r\nFound OBB Files: \r\nbeside.obb\r\n");
}

TEST(FileName, LastComponentOfEitherSeparator) {
  EXPECT_EQ(GetFileName(QStringLiteral("C:\\Games\\demo.apk")), "demo.apk");
  EXPECT_EQ(GetFileName(QStringLiteral("res/mipmap-mdpi/app_icon.png")), "app_icon.png");
  EXPECT_EQ(GetFileName(QStringLiteral("/home/u/my games\\x/demo.apk")), "demo.apk");
  EXPECT_EQ(GetFileName(QStringLiteral("demo.apk")), "demo.apk");
  EXPECT_EQ(GetFileName(QStringLiteral("/home/u/")), "");
  EXPECT_EQ(GetFileName(QStringLiteral("res\\")), "");
}
