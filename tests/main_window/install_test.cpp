#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>

#include "device_window_fixture.h"
#include "main_window/obb_picker.h"

namespace {

const QString kTryConnecting = "尝试连接设备以进行Tarnwick，请稍候！" + QString(35, ' ');
const QString kSkipAll = "跳过所有obb文件" + QString(12, ' ');
const QString kRemoveFolder = "删除设备上存在的文件夹：" + QString(31, ' ') + "/Android/obb/com.x";
const QString kAllDone = "所有任务都完成了！" + QString(7, ' ');
QString Installing(const QString& name) { return "安装额外的 obb 文件：" + QString(16, ' ') + name; }
QString Skipped(const QString& name) { return "跳过的obb文件：" + QString(9, ' ') + name; }
QString Line(const QString& text) { return "\r\n" + text + "\r\n"; }
QString Pushed(const QString& local) { return local + ": 1 file pushed, 0 skipped. 12.3 MB/s (3 bytes in 0.001s)\n"; }

const QString kEcho = "adb shell echo $EXTERNAL_STORAGE";
const QString kListing = "adb shell ls -Ral /sdcard/Android/obb/com.x";
const QString kRemoval = "adb shell rm -r /sdcard/Android/obb/com.x";
const QStringList kDiskSpace{kEcho, "adb shell df -h /sdcard"};
QString Push(const QString& local, const QString& name) { return "adb push " + local + " /sdcard/Android/obb/com.x/" + name; }

QStringList StoredNames() {
  QStringList names;
  for (int n = 1; n <= Module1::ObbCount; ++n) names.append(Module1::ObbFileNames[n]);
  return names;
}

Form3* Picker(QWidget* form) { return qobject_cast<Form3*>(form); }

void ConfirmPicker(QWidget* form) { Picker(form)->Command1->click(); }

}  // namespace

class Install : public DeviceWindowTest {
 protected:
  QString InstallCall() const { return "adb install -r " + window->ApkPath; }
  void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(Install, OneObbBesideTheApkIsPushedIntoAClearedFolder) {
  folder.setScenario("adb", "when~ ^install\nout Performing Streamed Install\\r\\nSuccess\\r\\n\n");
  PutBesideApk("main.1.com.x.obb");
  bool busyWhilePicking = false;
  QList<bool> buttonsWhilePicking;
  dialogs.OnModal([&](QWidget* form) {
    busyWhilePicking = window->Busy;
    for (int i : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12}) buttonsWhilePicking.append(window->Command[i]->isEnabled());
    ConfirmPicker(form);
  });

  window->Command1_Click();

  const QString local = apkFolder + "main.1.com.x.obb";
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing, kEcho, kRemoval, kEcho, kListing, kEcho,
                                         Push(local, "main.1.com.x.obb")}) +
                                kDiskSpace);
  EXPECT_EQ(Log(), Line(kTryConnecting) + "Performing Streamed Install\r\nSuccess\r\n" + Line(kRemoveFolder) +
                       Line(Installing("main.1.com.x.obb")) + Pushed(local) + Line(kAllDone));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.1.com.x.obb"));
  EXPECT_EQ(beeps.count(), 1);
  EXPECT_TRUE(busyWhilePicking);
  EXPECT_EQ(buttonsWhilePicking, QList<bool>(10, false));
  EXPECT_FALSE(window->Busy);
  EXPECT_FALSE(window->Command1->isEnabled());
  for (int i : {2, 3, 4, 5, 6}) EXPECT_TRUE(window->Command[i]->isEnabled()) << i;
  for (int i : {9, 10, 11, 12}) EXPECT_FALSE(window->Command[i]->isEnabled()) << i;
}

TEST_F(Install, GrantCheckBoxChoosesTheInstallLine) {
  for (bool grant : {true, false}) {
    folder.clearCalls();
    window->Check1->setChecked(grant);
    window->Command1_Click();
    ASSERT_FALSE(folder.calls().isEmpty());
    EXPECT_EQ(folder.calls().first(), (grant ? "adb install -r -g " : "adb install -r ") + window->ApkPath);
  }
}

TEST_F(Install, PackageFolderGivesEveryFileAndBeepsAfterCollecting) {
  PutBesideApk("beside.obb");
  PutBesideApk("com.x/notes.txt");
  PutBesideApk("com.x/sub/deeper.obb");
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  EXPECT_EQ(StoredNames(), QStringList{"notes.txt"});
  EXPECT_TRUE(folder.calls().contains(Push(apkFolder + "com.x/notes.txt", "notes.txt")));
  EXPECT_EQ(beeps.count(), 2);
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/notes.txt"));
  EXPECT_FALSE(folder.onDevice("Android/obb/com.x/beside.obb"));
}

TEST_F(Install, WithoutCandidatesOnlyTheApkIsInstalled) {
  struct Case {
    const char* what;
    QStringList files;
    int beeps;
  };
  const Case cases[] = {
      {"empty package folder", {"com.x/"}, 2},
      {"pak and zip without obb", {"data.pak", "extra.zip"}, 1},
  };
  for (const Case& c : cases) {
    QTemporaryDir other;
    apkFolder = other.path() + '/';
    window->ApkPath = apkFolder + "game.apk";
    for (const QString& file : c.files) file.endsWith('/') ? void(QDir().mkpath(apkFolder + file)) : PutBesideApk(file);
    folder.clearCalls();
    window->txtOutputs->SetText("");
    BeepCounter counted;

    window->Command1_Click();

    EXPECT_EQ(folder.calls(), QStringList{InstallCall()} + kDiskSpace) << c.what;
    EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kAllDone)) << c.what;
    EXPECT_EQ(counted.count(), c.beeps) << c.what;
  }
  EXPECT_TRUE(dialogs.ModalForms().isEmpty());
}

TEST_F(Install, TwentyCandidatesGetSeventeenRowsAndTheRestAreAlwaysPushed) {
  for (int i = 1; i <= 20; ++i) PutBesideApk(QString("f%1.obb").arg(i, 2, 10, QChar('0')));
  int visibleRows = -1;
  int heightTwips = 0;
  dialogs.OnModal([&](QWidget* form) {
    Form3* picker = Picker(form);
    visibleRows = 0;
    for (int r = 0; r <= Form3::kRows; ++r)
      if (picker->Frame1[r]->isVisible() && picker->Check1[r]->isVisible()) ++visibleRows;
    heightTwips = picker->HeightTwips();
    for (int r = 0; r < Form3::kRows; ++r) picker->Check1[r]->click();
    ConfirmPicker(form);
  });

  window->Command1_Click();

  EXPECT_EQ(visibleRows, 17);
  EXPECT_EQ(heightTwips, 825 + 17 * 480);
  const QStringList names = StoredNames();
  ASSERT_EQ(names.size(), 20);
  QString expectedLog = Line(kTryConnecting);
  QStringList expectedCalls{InstallCall(), kEcho, kListing};
  for (int n = 0; n < 17; ++n) expectedLog += Line(Skipped(names[n]));
  expectedLog += Line(kRemoveFolder);
  expectedCalls << kEcho << kRemoval;
  for (int n = 17; n < 20; ++n) {
    expectedLog += Line(Installing(names[n])) + Pushed(apkFolder + names[n]);
    expectedCalls << kEcho << kListing << kEcho << Push(apkFolder + names[n], names[n]);
  }
  EXPECT_EQ(Log(), expectedLog + Line(kAllDone));
  EXPECT_EQ(folder.calls(), expectedCalls + kDiskSpace);
}

TEST_F(Install, SkippingTheFirstRowRemovesTheFolderBeforeTheSecondPush) {
  PutBesideApk("a.obb");
  PutBesideApk("b.obb");
  folder.putOnDevice("Android/obb/com.x/old.obb");
  dialogs.OnModal([](QWidget* form) {
    Picker(form)->Check1[0]->click();
    ConfirmPicker(form);
  });

  window->Command1_Click();

  const QStringList names = StoredNames();
  ASSERT_EQ(names.size(), 2);
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(Skipped(names[0])) + Line(kRemoveFolder) + Line(Installing(names[1])) +
                       Pushed(apkFolder + names[1]) + Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing, kEcho, kRemoval, kEcho, kListing, kEcho,
                                         Push(apkFolder + names[1], names[1])}) +
                                kDiskSpace);
  EXPECT_FALSE(folder.onDevice("Android/obb/com.x/old.obb"));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/" + names[1]));
}

TEST_F(Install, EveryRowSkippedRemovesAndPushesNothing) {
  for (const char* name : {"a.obb", "b.obb", "c.obb"}) PutBesideApk(name);
  dialogs.OnModal([](QWidget* form) {
    for (int r = 0; r < 3; ++r) Picker(form)->Check1[r]->click();
    ConfirmPicker(form);
  });

  window->Command1_Click();

  const QStringList names = StoredNames();
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(Skipped(names[0])) + Line(Skipped(names[1])) + Line(Skipped(names[2])) +
                       Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing}) + kDiskSpace);
}

TEST_F(Install, ANameInCapitalsCountsAsPresent) {
  PutBesideApk("MAIN.OBB");
  folder.putOnDevice("Android/obb/com.x/main.obb");
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing}) + kDiskSpace);
}

TEST_F(Install, CandidatesAllOnTheDeviceAreSkippedEvenWhenThePickerWasClosed) {
  PutBesideApk("main.obb");
  PutBesideApk("patch.obb");
  folder.putOnDevice("Android/obb/com.x/main.obb");
  folder.putOnDevice("Android/obb/com.x/patch.obb");
  dialogs.OnModal([](QWidget* form) { form->close(); });

  window->Command1_Click();

  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing}) + kDiskSpace);
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/patch.obb"));
}

TEST_F(Install, SomeCandidatesPresentPushesOnlyTheMissingOnesWithoutRemoval) {
  PutBesideApk("a.obb");
  PutBesideApk("b.obb");
  folder.putOnDevice("Android/obb/com.x/a.obb", "device copy");
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  const QStringList calls = folder.calls();
  EXPECT_FALSE(calls.contains(kRemoval));
  EXPECT_EQ(calls.filter(QRegularExpression("^adb push ")), QStringList{Push(apkFolder + "b.obb", "b.obb")});
  EXPECT_TRUE(Log().contains(Line(Skipped("a.obb"))));
  EXPECT_TRUE(Log().contains(Line(Installing("b.obb"))));
  EXPECT_FALSE(Log().contains(kRemoveFolder));
}

TEST_F(Install, ClosingThePickerNeverCountsAsConfirmedInALaterInstall) {
  PutBesideApk("main.obb");
  dialogs.OnModal([](QWidget* form) {
    Picker(form)->Check1[0]->click();
    ConfirmPicker(form);
  });
  window->Command1_Click();
  ASSERT_TRUE(Module1::ObbConfirmed);

  dialogs.OnModal([](QWidget* form) { form->close(); });
  window->txtOutputs->SetText("");
  folder.clearCalls();
  window->Command1_Click();

  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
  EXPECT_EQ(folder.calls(), QStringList({InstallCall(), kEcho, kListing}) + kDiskSpace);
  EXPECT_FALSE(folder.onDevice("Android/obb/com.x/main.obb"));
}

TEST_F(Install, HiddenPickerKeepsItsTogglesAndAClosedOneStartsAfresh) {
  PutBesideApk("main.obb");
  bool tickedOnSecondShowing = false;
  dialogs.OnModal([](QWidget* form) {
    Picker(form)->Check1[0]->click();
    ConfirmPicker(form);
  });
  window->Command1_Click();

  dialogs.OnModal([&](QWidget* form) {
    tickedOnSecondShowing = Picker(form)->Check1[0]->isChecked();
    form->close();
  });
  window->Command1_Click();
  ASSERT_EQ(dialogs.ModalForms().size(), 2);
  EXPECT_EQ(dialogs.ModalForms()[0], dialogs.ModalForms()[1]);
  EXPECT_TRUE(tickedOnSecondShowing);

  ProcessDeferredDeletes();
  EXPECT_FALSE(window->Form3Loaded());
  bool tickedAfterClose = true;
  dialogs.OnModal([&](QWidget* form) {
    tickedAfterClose = Picker(form)->Check1[0]->isChecked();
    ConfirmPicker(form);
  });
  folder.clearCalls();
  window->Command1_Click();
  EXPECT_FALSE(tickedAfterClose);
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.obb"));
}

// Both paths reach adb whole; the target is quoted only when it holds a blank.
TEST_F(Install, UnusualFileNamesReachAdbAsOneArgumentEach) {
  const QStringList names{"main 1.obb", "数据包.obb", "it's.obb"};
  for (const QString& name : names) PutBesideApk(name);
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  const QStringList calls = folder.calls();
  EXPECT_TRUE(calls.contains(Push(apkFolder + "数据包.obb", "数据包.obb")));
  EXPECT_TRUE(calls.contains(Push(apkFolder + "it's.obb", "it's.obb")));
  EXPECT_TRUE(calls.contains("adb push \"" + apkFolder + "main 1.obb\" \"/sdcard/Android/obb/com.x/main 1.obb\""));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/数据包.obb"));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/it's.obb"));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main 1.obb"));
  EXPECT_TRUE(Log().endsWith(Line(kAllDone)));
}

TEST_F(Install, DeviceGoneAfterTheInstallStillEndsWithTheClosingLine) {
  folder.setScenario("adb",
                     "when~ ^install\nout Success\\r\\n\n"
                     "when *\nerr adb: error: failed to get feature set: no devices/emulators found\\n\nexit 1\n");
  PutBesideApk("main.obb");
  dialogs.OnModal(ConfirmPicker);

  window->Command1_Click();

  const QString noDevice = "adb: error: failed to get feature set: no devices/emulators found\n";
  EXPECT_EQ(Log(), Line(kTryConnecting) + "Success\r\n" + Line(kRemoveFolder) + Line(Installing("main.obb")) + noDevice +
                       Line(kAllDone));
  EXPECT_EQ(folder.calls().size(), 1 + 2 + 2 + 4 + 2);
  EXPECT_FALSE(window->Busy);
}

TEST_F(Install, AFileGoneBeforeItsPushShowsAdbsErrorAndTheNextIsStillPushed) {
  PutBesideApk("a.obb");
  PutBesideApk("b.obb");
  dialogs.OnModal([&](QWidget* form) {
    QFile::remove(apkFolder + Module1::ObbFileNames[1]);
    ConfirmPicker(form);
  });

  window->Command1_Click();

  const QStringList names = StoredNames();
  ASSERT_EQ(names.size(), 2);
  const QString missing = apkFolder + names[0];
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kRemoveFolder) + Line(Installing(names[0])) + "adb: error: cannot stat '" +
                       missing + "': No such file or directory\n" + Line(Installing(names[1])) +
                       Pushed(apkFolder + names[1]) + Line(kAllDone));
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/" + names[1]));
}

// Four adb runs per pushed file, plus the install, the first listing, the removal before the first
// push and the disk-space refresh at the end.
TEST_F(Install, AdbRunsGrowByFourPerTransferredFile) {
  for (int n : {1, 2, 5}) {
    QTemporaryDir other;
    apkFolder = other.path() + '/';
    window->ApkPath = apkFolder + "game.apk";
    for (int i = 0; i < n; ++i) PutBesideApk(QString("f%1.obb").arg(i));
    QDir(folder.deviceRoot() + "/Android/obb/com.x").removeRecursively();
    folder.clearCalls();
    dialogs.OnModal(ConfirmPicker);

    window->Command1_Click();
    window->Form3Instance()->close();
    ProcessDeferredDeletes();

    const QStringList calls = folder.calls();
    EXPECT_EQ(calls.size(), 1 + 2 + 2 + 4 * n + 2) << n;
    EXPECT_EQ(calls.filter(QRegularExpression("^adb push ")).size(), n) << n;
  }
}

// The shared arrays end at entry 255: later candidates are not stored and not transferred.
TEST_F(Install, ThreeHundredCandidatesStopAtTheArraysEnd) {
  for (int i = 0; i < 300; ++i) {
    const QString name = QString("f%1.obb").arg(i, 3, 10, QChar('0'));
    PutBesideApk(name);
    folder.putOnDevice("Android/obb/com.x/" + name);
  }
  int visibleRows = 0;
  dialogs.OnModal([&](QWidget* form) {
    for (int r = 0; r <= Form3::kRows; ++r) visibleRows += Picker(form)->Check1[r]->isVisible() ? 1 : 0;
    ConfirmPicker(form);
  });

  window->Command1_Click();

  EXPECT_EQ(Module1::ObbCount, 255);
  EXPECT_EQ(StoredNames().removeDuplicates(), 0);
  EXPECT_EQ(Module1::ObbFileNames[256], QString());
  EXPECT_EQ(visibleRows, 17);
  EXPECT_EQ(Log(), Line(kTryConnecting) + Line(kSkipAll) + Line(kAllDone));
}
