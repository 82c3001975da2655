#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QRegularExpression>

#include "device_window_fixture.h"
#include "main_window/obb_picker.h"

namespace {

const QString kTryConnecting = "尝试连接设备以进行Tarnwick，请稍候！" + QString(35, ' ');
const QString kSkipAll = "跳过所有obb文件" + QString(12, ' ');
const QString kRemoveFolder = "删除设备上存在的文件夹：" + QString(31, ' ') + "/Android/obb/com.x";
const QString kAllDone = "所有任务都完成了！" + QString(7, ' ');
QString Line(const QString& text) { return "\r\n" + text + "\r\n"; }
QString Skipped(const QString& name) { return Line("跳过的obb文件：" + QString(9, ' ') + name); }
QString Installing(const QString& name) { return Line("安装额外的 obb 文件：" + QString(16, ' ') + name); }
QString Pushed(const QString& local) { return local + ": 1 file pushed, 0 skipped. 12.3 MB/s (3 bytes in 0.001s)\n"; }

const QString kEcho = "adb shell echo $EXTERNAL_STORAGE";
const QString kListing = "adb shell ls -Ral /sdcard/Android/obb/com.x";
const QString kRemoval = "adb shell rm -r /sdcard/Android/obb/com.x";
const QStringList kDiskSpace{kEcho, "adb shell df -h /sdcard"};

Form3* Picker(QWidget* form) { return qobject_cast<Form3*>(form); }
void ConfirmPicker(QWidget* form) { Picker(form)->Command1->click(); }
auto SkipRowsAndConfirm(int rows) {
  return [rows](QWidget* form) {
    for (int r = 0; r < rows; ++r) Picker(form)->Check1[r]->click();
    ConfirmPicker(form);
  };
}

}  // namespace

class Install : public DeviceWindowTest {
 protected:
  QString InstallCall() const { return "adb install -r " + LoggedArgument(State().ApkPath); }
  QString Push(const QString& relPath) const {
    return "adb push " + LoggedArgument(apkFolder + relPath) + ' ' +
           LoggedArgument("/sdcard/Android/obb/com.x/" + QFileInfo(relPath).fileName());
  }
  QString Sent(const QString& relPath) const {
    return Installing(QFileInfo(relPath).fileName()) + Pushed(apkFolder + relPath);
  }
  // Unloads the picker and empties the APK's folder, the device's OBB folders, the calls and the log.
  void StartOver() {
    if (auto* picker = window->findChild<Form3*>()) picker->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir(apkFolder).removeRecursively();
    QDir().mkpath(apkFolder);
    QDir(folder.deviceRoot() + "/Android/obb").removeRecursively();
    folder.clearCalls();
    window->txtOutputs->SetText("");
  }
};

TEST_F(Install, OneObbBesideTheApkIsPushedIntoAClearedFolder) {
  folder.setScenario("adb", "when~ ^install\nout Performing Streamed Install\\r\\nSuccess\\r\\n\n");
  PutBesideApk("main.1.com.x.obb");
  bool busyWhilePicking = false;
  QList<bool> buttonsWhilePicking;
  dialogs.OnModal([&](QWidget* form) {
    busyWhilePicking = State().Busy;
    for (int i : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12}) buttonsWhilePicking.append(window->Command[i]->isEnabled());
    ConfirmPicker(form);
  });

  window->Command1_Click();

  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing, kEcho, kRemoval, kEcho, kListing, kEcho,
                                         Push("main.1.com.x.obb")}) + kDiskSpace);
  EXPECT_EQ(Log(), Line(kTryConnecting) + "Performing Streamed Install\r\nSuccess\r\n" + Line(kRemoveFolder) +
                       Sent("main.1.com.x.obb") + Line(kAllDone));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.1.com.x.obb"));
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_TRUE(busyWhilePicking);
  EXPECT_EQ(buttonsWhilePicking, QList<bool>(10, false));
  EXPECT_FALSE(State().Busy);
  for (int i : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12}) EXPECT_EQ(window->Command[i]->isEnabled(), i >= 2 && i <= 6) << i;
}

// Without a usable package name the OBB folder would be the whole of Android/obb: nothing there is touched.
TEST_F(Install, NoPackageNameLeavesTheDevicesObbFoldersAlone) {
  PutBesideApk("main.1.obb");
  folder.putOnDevice("Android/obb/com.other/keep.obb");
  dialogs.OnModal(ConfirmPicker);
  for (const QString& name : {QString(), QString("com.x\nrm"), QString(".."), QString("a;reboot")}) {
    window->Label2->setText(name);
    folder.clearCalls();
    window->txtOutputs->SetText("");

    window->Command1_Click();

    EXPECT_EQ(folder.calls(), QStringList{InstallCall()} + kDiskSpace);
    EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
    EXPECT_TRUE(folder.onDevice("Android/obb/com.other/keep.obb"));
  }
}

TEST_F(Install, GrantCheckBoxChoosesTheInstallLine) {
  for (bool grant : {true, false}) {
    folder.clearCalls();
    window->Check1->setChecked(grant);
    window->Command1_Click();
    ASSERT_FALSE(folder.calls().isEmpty());
    EXPECT_EQ(folder.calls().first(),
              (grant ? "adb install -r -g " : "adb install -r ") + LoggedArgument(State().ApkPath));
  }
}

// What is collected, what the device already holds and the rows skipped decide the log, the one
// removal (only when nothing was present, before the first push) and the pushes.
TEST_F(Install, CandidatesPresenceAndSkippedRowsDecideRemovalAndPushes) {
  QStringList twenty;
  for (int i = 1; i <= 20; ++i) twenty << QString("f%1.obb").arg(i, 2, 10, QChar('0'));
  QString seventeenSkipped;
  for (int i = 0; i < 17; ++i) seventeenSkipped += Skipped(twenty[i]);
  struct Case {
    const char* what;
    QStringList beside, onDevice;
    std::function<void(QWidget*)> picker;  // empty: no picker may show
    QString log;                           // between the first and the closing line
    QStringList changes;                   // the removal and the pushes, in order
    int beeps = 1;
  };
  const Case cases[] = {
      {"package folder wins and beeps", {"beside.obb", "com.x/notes.txt", "com.x/sub/deeper.obb"}, {},
       ConfirmPicker, Line(kRemoveFolder) + Sent("com.x/notes.txt"),
       {kRemoval, Push("com.x/notes.txt")}, 2},
      {"empty package folder", {"main.obb", "com.x/sub/deeper.obb"}, {}, {}, "", {}, 2},
      {"pak and zip without obb", {"data.pak", "extra.zip"}, {}, {}, "", {}},
      {"first row skipped", {"a.obb", "b.obb"}, {"old.obb"}, SkipRowsAndConfirm(1),
       Skipped("a.obb") + Line(kRemoveFolder) + Sent("b.obb"), {kRemoval, Push("b.obb")}},
      {"every row skipped", {"a.obb", "b.obb", "c.obb"}, {}, SkipRowsAndConfirm(3),
       Skipped("a.obb") + Skipped("b.obb") + Skipped("c.obb"), {}},
      {"all present, capitals count", {"MAIN.OBB", "patch.obb"}, {"main.obb", "patch.obb"}, ConfirmPicker,
       Line(kSkipAll), {}},
      {"a name inside another name is not present", {"a.obb"}, {"data.obb"}, ConfirmPicker,
       Line(kRemoveFolder) + Sent("a.obb"), {kRemoval, Push("a.obb")}},
      {"some present: no removal", {"a.obb", "b.obb"}, {"a.obb"}, ConfirmPicker,
       Skipped("a.obb") + Sent("b.obb"), {Push("b.obb")}},
      {"rows past the seventeenth are always pushed", twenty, {}, SkipRowsAndConfirm(17),
       seventeenSkipped + Line(kRemoveFolder) + Sent("f18.obb") + Sent("f19.obb") + Sent("f20.obb"),
       {kRemoval, Push("f18.obb"), Push("f19.obb"), Push("f20.obb")}},
      // Both paths reach adb whole; the target is quoted only when it holds a blank.
      {"blanks, Chinese and apostrophes", {"main 1.obb", "数据包.obb", "it's.obb"}, {}, ConfirmPicker,
       Line(kRemoveFolder) + Sent("it's.obb") + Sent("main 1.obb") + Sent("数据包.obb"),
       {kRemoval, Push("it's.obb"), Push("main 1.obb"), Push("数据包.obb")}},
      {"a file gone before its push", {"a.obb", "b.obb"}, {},
       [this](QWidget* form) {
         QFile::remove(apkFolder + "a.obb");
         ConfirmPicker(form);
       },
       Line(kRemoveFolder) + Installing("a.obb") + "adb: error: cannot stat '" + apkFolder +
           "a.obb': No such file or directory\n" + Sent("b.obb"),
       {kRemoval, Push("a.obb"), Push("b.obb")}},
  };
  for (const Case& c : cases) {
    StartOver();
    for (const QString& file : c.beside) PutBesideApk(file);
    for (const QString& file : c.onDevice) folder.putOnDevice("Android/obb/com.x/" + file);
    const qsizetype shown = dialogs.ModalForms().size();
    dialogs.OnModal(c.picker);
    BeepCounter counted;

    window->Command1_Click();

    EXPECT_EQ(dialogs.ModalForms().size() - shown, c.picker ? 1 : 0) << c.what;
    EXPECT_EQ(Log(), Line(kTryConnecting) + c.log + Line(kAllDone)) << c.what;
    EXPECT_EQ(folder.calls().filter(QRegularExpression("^adb (push|shell rm) ")), c.changes) << c.what;
    EXPECT_EQ(counted.count(), c.beeps) << c.what;
    for (const QString& file : c.beside)
      if (c.log.contains(Sent(file))) {
        EXPECT_TRUE(folder.onDevice("Android/obb/com.x/" + QFileInfo(file).fileName())) << file.toStdString();
      }
  }
}

// A hidden picker keeps its toggles within the window's life; closing it discards it and never
// counts as confirmed, even after an earlier confirmed install.
TEST_F(Install, PickerKeepsTogglesWhenHiddenAndClosingItSkipsEverything) {
  PutBesideApk("main.obb");
  dialogs.OnModal(SkipRowsAndConfirm(1));
  window->Command1_Click();
  ASSERT_TRUE(Module1::ObbConfirmed);

  bool tickedWhenShownAgain = false;
  dialogs.OnModal([&](QWidget* form) {
    tickedWhenShownAgain = Picker(form)->Check1[0]->isChecked();
    form->close();
  });
  window->txtOutputs->SetText("");
  folder.clearCalls();
  window->Command1_Click();
  EXPECT_TRUE(tickedWhenShownAgain);
  EXPECT_EQ(dialogs.ModalForms()[0], dialogs.ModalForms()[1]);
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing}) + kDiskSpace);

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<Form3*>(), nullptr);
  bool tickedAfterClose = true;
  dialogs.OnModal([&](QWidget* form) {
    tickedAfterClose = Picker(form)->Check1[0]->isChecked();
    ConfirmPicker(form);
  });
  window->Command1_Click();
  EXPECT_FALSE(tickedAfterClose);
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.obb"));
}

TEST_F(Install, DeviceGoneAfterTheInstallStillEndsWithTheClosingLine) {
  folder.setScenario("adb",
                     "when~ ^install\nout Success\\r\\n\n"
                     "when *\nerr adb: error: failed to get feature set: no devices/emulators found\\n\nexit 1\n");
  PutBesideApk("main.obb");
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  EXPECT_EQ(Log(), Line(kTryConnecting) + "Success\r\n" + Line(kRemoveFolder) + Installing("main.obb") +
                       "adb: error: failed to get feature set: no devices/emulators found\n" + Line(kAllDone));
  EXPECT_EQ(folder.calls().size(), 1 + 2 + 2 + 4 + 2);
  EXPECT_FALSE(State().Busy);
}

// Four adb runs per pushed file, plus the install, the first listing, the removal before the first
// push and the disk-space refresh at the end.
TEST_F(Install, AdbRunsGrowByFourPerTransferredFile) {
  dialogs.OnModal(ConfirmPicker);
  for (int n : {1, 2, 5}) {
    StartOver();
    for (int i = 0; i < n; ++i) PutBesideApk(QString("f%1.obb").arg(i));

    window->Command1_Click();

    EXPECT_EQ(folder.calls().size(), 1 + 2 + 2 + 4 * n + 2) << n;
    EXPECT_EQ(folder.calls().filter(QRegularExpression("^adb push ")).size(), n) << n;
  }
}

// The shared arrays end at entry 255: later candidates are not stored and not transferred.
TEST_F(Install, ThreeHundredCandidatesStopAtTheArraysEnd) {
  for (int i = 0; i < 300; ++i) {
    const QString name = QString("f%1.obb").arg(i, 3, 10, QChar('0'));
    PutBesideApk(name);
    folder.putOnDevice("Android/obb/com.x/" + name);
  }
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  EXPECT_EQ(Module1::ObbCount, 255);
  EXPECT_EQ(Module1::ObbFileNames[255], "f254.obb");
  EXPECT_EQ(Module1::ObbFileNames[256], QString());
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
}

// A '"' in a local path must not pick another file ("a\"b.apk" beside "ab.apk") nor merge two
// push arguments: each path reaches the tool as one unchanged argument.
TEST_F(Install, PathsWithQuotesReachTheToolsUnchanged) {
  PutBesideApk("ab.apk", "other");
  PutBesideApk("x\"y.obb");
  State().ApkPath = apkFolder + "a\"b.apk";
  PutBesideApk("a\"b.apk", "mine");
  dialogs.OnModal(ConfirmPicker);

  window->RunBadging();
  window->Command1_Click();

  const QStringList calls = folder.calls();
  EXPECT_EQ(calls.first(), "aapt d badging " + LoggedArgument(apkFolder + "a\"b.apk"));
  EXPECT_TRUE(calls.contains("adb install -r " + LoggedArgument(apkFolder + "a\"b.apk")))
      << calls.join('\n').toStdString();
  EXPECT_TRUE(calls.contains("adb push " + LoggedArgument(apkFolder + "x\"y.obb") + ' ' +
                             LoggedArgument("/sdcard/Android/obb/com.x/x\"y.obb")))
      << calls.join('\n').toStdString();
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/x\"y.obb"));
}
