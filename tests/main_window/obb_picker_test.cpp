#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "device_window_fixture.h"
#include "main_window/obb_picker.h"
#include "runner/vb_color.h"

class ObbPicker : public DeviceWindowTest {
 protected:
  void SetCandidates(int count) {
    for (int n = 1; n <= count; ++n) Module1::ObbFileNames.Set(n, QString("file%1.obb").arg(n));
    Module1::ObbCount = count;
  }
};

TEST_F(ObbPicker, LoadShowsOneRowPerCandidateUpToSeventeen) {
  struct Case {
    int candidates;
    int rows;
  };
  for (const Case& c : {Case{0, 0}, Case{3, 3}, Case{17, 17}, Case{20, 17}}) {
    SetCandidates(c.candidates);
    Form3 picker(window.get());
    EXPECT_EQ(picker.HeightTwips(), 825 + 480 * c.rows) << c.candidates;
    for (int r = 0; r <= Form3::kRows; ++r) {
      const bool shown = r < c.rows;
      EXPECT_EQ(picker.Frame1[r]->isVisibleTo(&picker), shown) << c.candidates << " row " << r;
      EXPECT_EQ(picker.Check1[r]->isVisibleTo(&picker), shown) << c.candidates << " row " << r;
      if (shown) {
        EXPECT_EQ(picker.Label1[r]->text(), QString("file%1.obb").arg(r + 1));
        EXPECT_FALSE(picker.Check1[r]->isChecked());
      }
    }
    EXPECT_EQ(picker.Label1[Form3::kTopBand]->text(), "game.apk");
    EXPECT_EQ(picker.Label1[Form3::kTopBand]->toolTip(), "game.apk");
  }
}

TEST_F(ObbPicker, DesignedCaptionsAndTexts) {
  SetCandidates(17);
  Form3 picker(window.get());
  EXPECT_EQ(picker.windowTitle(), "Found OBB Files (Click to Skip)");
  EXPECT_EQ(picker.Frame1[Form3::kTopBand]->title(), "File name");
  EXPECT_EQ(picker.Command1->text(), "将所选的OBB文件安装到设备" + QString(11, ' '));
  EXPECT_EQ(picker.Command1->toolTip(), "在设备上安装选定的OBB文件" + QString(11, ' '));
  EXPECT_EQ(picker.Label2->text(), "点击跳过" + QString(6, ' '));
  EXPECT_EQ(picker.Check1[0]->text(), "Install");
  EXPECT_EQ(picker.Check1[15]->text(), "Install");
  EXPECT_EQ(picker.Check1[16]->text(), "安装" + QString(3, ' '));
}

TEST_F(ObbPicker, ToggleCaptionFollowsItsValue) {
  SetCandidates(2);
  Form3 picker(window.get());
  picker.Check1[1]->click();
  EXPECT_TRUE(picker.Check1[1]->isChecked());
  EXPECT_EQ(picker.Check1[1]->text(), "Skip");
  picker.Check1[1]->click();
  EXPECT_FALSE(picker.Check1[1]->isChecked());
  EXPECT_EQ(picker.Check1[1]->text(), "安装" + QString(5, ' '));
  EXPECT_EQ(picker.Check1[0]->text(), "Install");
}

TEST_F(ObbPicker, InstallButtonBlinksOrangeEveryTick) {
  SetCandidates(1);
  Form3 picker(window.get());
  EXPECT_TRUE(picker.Timer1->isActive());
  EXPECT_EQ(picker.Timer1->interval(), 500);
  EXPECT_EQ(vbcolor::BackColor(picker.Command1), vbcolor::kButtonFace);
  picker.Timer1_Timer();
  EXPECT_EQ(vbcolor::BackColor(picker.Command1), 33023);
  picker.Timer1_Timer();
  EXPECT_EQ(vbcolor::BackColor(picker.Command1), vbcolor::kButtonFace);
}

TEST_F(ObbPicker, InstallButtonConfirmsAndHidesWhileTheCloseBoxUnloads) {
  SetCandidates(1);
  QPointer<Form3> picker = window->Form3Instance();
  picker->show();
  picker->Command1->click();
  EXPECT_TRUE(Module1::ObbConfirmed);
  EXPECT_FALSE(picker->isVisible());
  EXPECT_TRUE(window->Form3Loaded());
  EXPECT_EQ(window->Form3Instance(), picker.data());

  picker->show();
  picker->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(picker.isNull());
  EXPECT_FALSE(window->Form3Loaded());
}
