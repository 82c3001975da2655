#include <QCoreApplication>
#include <QMouseEvent>

#include "device_window_fixture.h"
#include "main_window/permissions_window.h"
#include "support/fixtures.h"

namespace {

QString Line(const QString& text) { return "\r\n" + text + "\r\n"; }
QString NotInstalled(const QString& package) { return Line("Package " + package + "未安装" + QString(11, ' ')); }
QString Trying(const QString& package) { return Line("Try connecting Device for APK-uninstall (" + package + ")"); }
const QString kDone = "\r\n完毕！  ";
const QString kListPackages = "adb shell pm list packages";

}  // namespace

class Uninstall : public DeviceWindowTest {
 protected:
  void Play(const QString& packages, const QString& moreRules = QString()) {
    folder.setScenario("adb", "when shell pm list packages\nout " + packages + "\n" + moreRules);
    folder.clearCalls();
    window->txtOutputs->SetText("");
  }
};

// The presence test is a case-sensitive substring of the package listing; adb's answer is shown and
// two texts in it mean the device could not be reached.
TEST_F(Uninstall, PresenceAndConnectionTextsDecideTheOutcome) {
  struct Case {
    QString package, answer;
    bool installed, connectionError;
  };
  const Case cases[] = {
      {"com.example.app", "", true, false},  // only com.example.app2 is installed
      {"COM.EXAMPLE.APP2", "", false, false},
      {"com.other", "", false, false},
      {"com.example.app2", "Success\r\n", true, false},
      {"com.example.app2", "error: connect error for write\r\n", true, true},
      {"com.example.app2", "cannot Connect to daemon\r\n", true, true},
      {"com.example.app2", "cannot connect to daemon\r\n", true, false},
      {"", "", false, false},  // a failed badging: an empty name occurs in any listing, yet nothing may be removed
      {"com.example.app2\n", "", false, false},
  };
  for (const Case& c : cases) {
    Play("package:com.example.app2\\r\\npackage:com.android.shell\\r\\n",
         "when uninstall " + c.package + "\n" + ScenarioOut(c.answer));
    window->Label2->setText(c.package);
    BeepCounter counted;

    window->Command4_Click();

    const std::string what = (c.package + " " + c.answer).toStdString();
    if (c.installed) {
      EXPECT_EQ(folder.calls(), QStringList({kListPackages, "adb uninstall " + c.package})) << what;
      EXPECT_EQ(Log(), Trying(c.package) + c.answer + (c.connectionError ? Line("Connection Error") : "")) << what;
    } else {
      EXPECT_EQ(folder.calls(), QStringList{kListPackages}) << what;
      EXPECT_EQ(Log(), NotInstalled(c.package)) << what;
    }
    EXPECT_EQ(counted.count(), c.installed ? int(c.connectionError) : 1) << what;
    EXPECT_FALSE(State().Busy);
  }
}

TEST_F(Uninstall, KeepingDataAsksFirstAndNoLeavesEverythingAlone) {
  Play("package:com.x\\r\\n");
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
  EXPECT_EQ(folder.calls(), QStringList{kListPackages});
  EXPECT_EQ(Log(), "before");
  EXPECT_TRUE(folder.onDevice("Android/obb/com.x/main.obb"));
  EXPECT_FALSE(State().Busy);
}

// The OBB folder goes whatever adb said about the uninstall; only the storage answer is looked at
// for the connection texts.
TEST_F(Uninstall, KeepingDataRemovesTheObbFolderAndSaysDone) {
  struct Case {
    QString uninstallAnswer, storageAnswer;  // no storage answer: the device's own
    bool connectionError;
  };
  const Case cases[] = {
      {"Success\r\n", "", false},
      {"error: connect error\r\n", "", false},
      {"Success\r\n", "error: connect error\r\n", true},
      {"Success\r\n", "adb: cannot Connect\r\n", true},
  };
  for (const Case& c : cases) {
    const QString storageRule = "when shell echo $EXTERNAL_STORAGE\n" + ScenarioOut(c.storageAnswer);
    Play("package:com.x\\r\\n", "when shell pm uninstall -k com.x\n" + ScenarioOut(c.uninstallAnswer) +
                                    (c.storageAnswer.isEmpty() ? "" : storageRule));
    folder.putOnDevice("Android/obb/com.x/main.obb");
    BeepCounter counted;

    window->Command5_Click();

    const std::string what = (c.uninstallAnswer + c.storageAnswer).toStdString();
    EXPECT_EQ(Log(), Trying("com.x") + c.uninstallAnswer +
                         Line("删除设备上存在的文件夹：" + QString(31, ' ') + "/Android/obb/com.x") + kDone +
                         (c.connectionError ? Line("Connection Error") : ""))
        << what;
    EXPECT_EQ(counted.count(), int(c.connectionError)) << what;
    EXPECT_EQ(window->txtOutputs->SelStart(), Log().size()) << what;
    EXPECT_FALSE(State().Busy);
    if (c.storageAnswer.isEmpty()) {
      EXPECT_EQ(folder.calls(), QStringList({kListPackages, "adb shell pm uninstall -k com.x", "adb shell echo $EXTERNAL_STORAGE",
                                             "adb shell rm -r /sdcard/Android/obb/com.x"}));
      EXPECT_FALSE(folder.onDevice("Android/obb/com.x")) << what;
    }
  }
}

TEST_F(Uninstall, NoDeviceAnswerMeansNotInstalled) {
  folder.setScenario("adb", "when *\nexit 1\n");
  window->Command5_Click();
  EXPECT_TRUE(dialogs.Boxes().isEmpty());
  EXPECT_EQ(Log(), NotInstalled("com.x"));
}

class ManifestPermissions : public DeviceWindowTest {
 protected:
  void SetPermissions(int count) {
    for (int k = 1; k <= count; ++k) State().BadgingInfo.Set(10 + k, QString("android.permission.P%1").arg(k));
    State().ManifestPermCount = static_cast<qint16>(count);
  }
};

TEST_F(ManifestPermissions, ListsAtMostFortyOnePerLineAndAClickHidesThem) {
  for (int count : {0, 1, 40, 45}) {
    SetPermissions(count);
    window->Command2_Click();
    QString expected;
    for (int k = 1; k <= std::min(count, 40); ++k) expected += QString("android.permission.P%1\r").arg(k);
    EXPECT_EQ(window->Form1Instance()->Label1->text(), QString(expected).replace('\r', '\n')) << count;
    EXPECT_EQ(window->Form1Instance()->Label1->text().count('\n'), std::min(count, 40));
    EXPECT_TRUE(window->Form1Instance()->isVisible());
  }
  QLabel* list = window->Form1Instance()->Label1;
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &press);
  QCoreApplication::sendEvent(list, &release);
  EXPECT_FALSE(window->Form1Instance()->isVisible());
}
