#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "device_window_fixture.h"
#include "main_window/permissions_window.h"

namespace {

QString Line(const QString& text) { return "\r\n" + text + "\r\n"; }
const QString kRemoveFolder = "删除设备上存在的文件夹：" + QString(31, ' ') + "/Android/obb/com.x";
const QString kDone = "\r\n完毕！  ";
QString Trying(const QString& package) { return Line("Try connecting Device for APK-uninstall (" + package + ")"); }

}  // namespace

class Uninstall : public DeviceWindowTest {
 protected:
  void ListPackages(const QString& listing, const QString& moreRules = QString()) {
    folder.setScenario("adb", "when shell pm list packages\nout " + listing + "\n" + moreRules);
  }
};

TEST_F(Uninstall, PresenceIsACaseSensitiveSubstringTest) {
  struct Case {
    QString package;
    bool passes;
  };
  const Case cases[] = {
      {"com.example.app", true},  // only com.example.app2 is installed
      {"com.example.app2", true},
      {"COM.EXAMPLE.APP2", false},
      {"com.other", false},
  };
  ListPackages("package:com.example.app2\\r\\npackage:com.android.shell\\r\\n");
  for (const Case& c : cases) {
    window->Label2->setText(c.package);
    window->txtOutputs->SetText("");
    folder.clearCalls();
    BeepCounter counted;

    window->Command4_Click();

    const std::string name = c.package.toStdString();
    if (c.passes) {
      EXPECT_EQ(folder.calls(), QStringList({"adb shell pm list packages", "adb uninstall " + c.package})) << name;
      EXPECT_EQ(Log(), Trying(c.package)) << name;
      EXPECT_EQ(counted.count(), 0);
    } else {
      EXPECT_EQ(folder.calls(), QStringList{"adb shell pm list packages"}) << name;
      EXPECT_EQ(Log(), Line("Package " + c.package + "未安装" + QString(11, ' '))) << name;
      EXPECT_EQ(counted.count(), 1);
    }
    EXPECT_FALSE(window->Busy);
  }
}

TEST_F(Uninstall, UninstallShowsAdbsAnswerAndFlagsConnectionTexts) {
  struct Case {
    QString answer;
    bool connectionError;
  };
  const Case cases[] = {
      {"Success\\r\\n", false},
      {"error: connect error for write\\r\\n", true},
      {"cannot Connect to daemon\\r\\n", true},
      {"cannot connect to daemon\\r\\n", false},
  };
  for (const Case& c : cases) {
    ListPackages("package:com.x\\r\\n", "when uninstall com.x\nout " + c.answer + "\n");
    window->txtOutputs->SetText("");
    BeepCounter counted;

    window->Command4_Click();

    QString answer = c.answer;
    answer.replace("\\r\\n", "\r\n");
    EXPECT_EQ(Log(), Trying("com.x") + answer + (c.connectionError ? Line("Connection Error") : QString()))
        << answer.toStdString();
    EXPECT_EQ(counted.count(), c.connectionError ? 1 : 0);
  }
}

TEST_F(Uninstall, KeepingDataAsksFirstAndNoLeavesEverythingAlone) {
  ListPackages("package:com.x\\r\\n");
  folder.putOnDevice("Android/obb/com.x/main.obb");
  window->txtOutputs->SetText("before");
  dialogs.QueueAnswer(platform::vbNo);

  window->Command5_Click();

  ASSERT_EQ(dialogs.Boxes().size(), 1);
  const RecordedBox& box = dialogs.Boxes()[0];
  EXPECT_EQ(box.style, platform::vbYesNo);
  EXPECT_EQ(box.title, "卸载并保留数据" + QString(16, ' '));
  EXPECT_EQ(box.text, "只能在以后重新安装APK有相同的签名时" + QString(61, ' ') + "\r\n" +
                          "没有正确的签名，APK将无法在以后重新安装！！！" + QString(59, ' ') + "\r\n\r\n" + "你确定吗？" +
                          QString(8, ' '));
  EXPECT_EQ(folder.calls(), QStringList{"adb shell pm list packages"});
  EXPECT_EQ(Log(), "before");
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.obb"));
  EXPECT_FALSE(window->Busy);
}

TEST_F(Uninstall, KeepingDataRemovesTheObbFolderAndSaysDone) {
  ListPackages("package:com.x\\r\\n", "when shell pm uninstall -k com.x\nout Success\\r\\n\n");
  folder.putOnDevice("Android/obb/com.x/main.obb");

  window->Command5_Click();

  EXPECT_EQ(folder.calls(), QStringList({"adb shell pm list packages", "adb shell pm uninstall -k com.x",
                                         "adb shell echo $EXTERNAL_STORAGE", "adb shell rm -r /sdcard/Android/obb/com.x"}));
  EXPECT_FALSE(folder.onDevice("Android/obb/com.x"));
  EXPECT_EQ(Log(), Trying("com.x") + "Success\r\n" + Line(kRemoveFolder) + kDone);
  EXPECT_EQ(window->txtOutputs->SelStart(), Log().size());
  EXPECT_EQ(beeps.count(), 0);
  EXPECT_FALSE(window->Busy);
}

TEST_F(Uninstall, KeepingDataLooksForConnectionTextsInTheStorageAnswerOnly) {
  struct Case {
    QString uninstallAnswer;
    QString storageAnswer;
    bool connectionError;
  };
  const Case cases[] = {
      {"error: connect error\\r\\n", "/sdcard\\r\\n", false},
      {"Success\\r\\n", "error: connect error\\r\\n", true},
      {"Success\\r\\n", "adb: cannot Connect\\r\\n", true},
  };
  for (const Case& c : cases) {
    ListPackages("package:com.x\\r\\n", "when shell pm uninstall -k com.x\nout " + c.uninstallAnswer +
                                             "\nwhen shell echo $EXTERNAL_STORAGE\nout " + c.storageAnswer + "\n");
    window->txtOutputs->SetText("");
    BeepCounter counted;

    window->Command5_Click();

    EXPECT_EQ(Log().endsWith(kDone + Line("Connection Error")), c.connectionError) << c.storageAnswer.toStdString();
    EXPECT_EQ(counted.count(), c.connectionError ? 1 : 0) << c.storageAnswer.toStdString();
  }
}

TEST_F(Uninstall, NoDeviceAnswerMeansNotInstalled) {
  folder.setScenario("adb", "when *\nexit 1\n");
  window->Command5_Click();
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_EQ(Log(), Line("Package com.x未安装" + QString(11, ' ')));
}

class ManifestPermissions : public DeviceWindowTest {
 protected:
  void SetPermissions(int count) {
    for (int k = 1; k <= count; ++k) window->BadgingInfo.Set(10 + k, QString("android.permission.P%1").arg(k));
    window->ManifestPermCount = static_cast<qint16>(count);
  }
};

TEST_F(ManifestPermissions, ListsAtMostFortyOnePerLine) {
  for (int count : {0, 1, 40, 45}) {
    SetPermissions(count);
    window->Command2_Click();
    Form1* form = window->Form1Instance();
    QString expected;
    for (int k = 1; k <= std::min(count, 40); ++k) expected += QString("android.permission.P%1\r").arg(k);
    EXPECT_EQ(form->Label1Caption(), expected) << count;
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Label1->text().count('\n'), std::min(count, 40));
  }
}

TEST_F(ManifestPermissions, ClickOnTheListHidesTheWindow) {
  SetPermissions(3);
  window->Command2_Click();
  Form1* form = window->Form1Instance();
  EXPECT_EQ(form->windowTitle(), "Permissions in Manifest");
  EXPECT_EQ(form->Permissions->title(), "Permissions");
  EXPECT_EQ(form->parentWidget(), nullptr);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Label1, &press);
  QCoreApplication::sendEvent(form->Label1, &release);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Label1Caption().count('\r'), 3);

  window->Command2_Click();
  EXPECT_TRUE(form->isVisible());
}
