#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "main_window/headset_settings.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "runner/picture_box.h"
#include "support/gtest_qt.h"

namespace {
QRect Twips(const QWidget* widget) {
  QRect g = widget->geometry();
  return QRect(g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15);
}

// The caption without its trailing blanks, in the button's own font: beside the box of a check
// box on one line, inside a push button's frame on as many lines as it takes.
bool CaptionFitsItsButton(const QAbstractButton* button) {
  const QString caption = button->text().remove(QRegularExpression(QStringLiteral("\\s+$")));
  const QFontMetrics metrics(button->font());
  if (qobject_cast<const QCheckBox*>(button)) return metrics.horizontalAdvance(caption) + 24 <= button->width();
  const QRect room(0, 0, button->width() - 8, button->height() - 4);
  const QRect needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
  return needed.width() <= room.width() && needed.height() <= room.height();
}
}  // namespace

TEST(MainWindowLayout, EveryControlIsFoundUnderItsNameAndArraysCarryTheirIndex) {
  morvell window;
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(window.Frame[i], window.findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(i)));
    EXPECT_EQ(window.Label[i], window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i)));
    EXPECT_EQ(window.Label[i]->parentWidget(), window.Frame[i]) << "Label" << i << " lies in its frame";
  }
  for (int i = 1; i <= 12; ++i)
    EXPECT_EQ(window.Command[i], window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i)));
  EXPECT_EQ(window.Check1, window.findChild<QCheckBox*>("Check1"));
  EXPECT_EQ(window.Check2, window.findChild<QCheckBox*>("Check2"));
  EXPECT_EQ(window.Text1, window.findChild<QLineEdit*>("Text1"));
  EXPECT_EQ(window.txtOutputs, window.findChild<LogBox*>("txtOutputs"));
  EXPECT_EQ(window.Picture1, window.findChild<PictureBox*>("Picture1"));
  EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Tarnwick")));

  EXPECT_EQ(window.findChildren<QPushButton*>("Command13").size(), 23);
  for (int i = 0; i < 23; ++i) {
    SCOPED_TRACE(i);
    const HeadsetSetting& setting = HeadsetSettings()[i];
    EXPECT_EQ(window.Command13[i]->objectName(), QStringLiteral("Command13"));
    EXPECT_EQ(window.Command13[i]->property("Index").toInt(), i);
    EXPECT_EQ(window.Command13[i]->text(), setting.buttonCaption);
    EXPECT_EQ(window.Command13[i]->parentWidget(), window.ToolFrames[setting.frame]);
    EXPECT_EQ(window.ToolFrames[setting.frame]->title(), HeadsetFrameCaptions()[setting.frame]);
    EXPECT_EQ(window.Picture2[i]->objectName(), QStringLiteral("Picture2"));
    EXPECT_EQ(window.Picture2[i]->property("Index").toInt(), i);
    EXPECT_FALSE(window.Picture2[i]->Picture().isNull()) << "each logo frame has its picture";
  }
}

TEST(MainWindowLayout, PanelAndConsoleRowLieOutsideTheDesignedSize) {
  morvell window;
  EXPECT_EQ(window.HeightTwips(), 7260);
  EXPECT_EQ(window.WidthTwips(), 8625);
  for (QGroupBox* frame : window.ToolFrames) {
    EXPECT_GE(Twips(frame).left(), 8625);
    EXPECT_LE(Twips(frame).right(), 14865);
    EXPECT_LE(Twips(frame).bottom(), 7260);
  }
  for (QWidget* console : std::initializer_list<QWidget*>{window.Text1, window.Command7, window.Command8}) {
    EXPECT_GE(Twips(console).top(), 7260) << console->objectName().toStdString();
    EXPECT_LE(Twips(console).bottom(), 7770) << console->objectName().toStdString();
  }
  EXPECT_EQ(window.Timer1->interval(), 100);
  EXPECT_EQ(window.Timer2->interval(), 80);
  EXPECT_EQ(window.Timer3->interval(), 2000);
  EXPECT_FALSE(window.Timer1->isActive());
}

TEST(MainWindowLayout, ControlsDoNotOverlapAndCaptionsFit) {
  morvell window;
  QList<QWidget*> placed;
  for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->objectName() != QStringLiteral("Picture2")) placed.append(child);
  for (int i = 0; i < placed.size(); ++i)
    for (int j = i + 1; j < placed.size(); ++j)
      EXPECT_FALSE(placed[i]->geometry().intersects(placed[j]->geometry()))
          << placed[i]->objectName().toStdString() << " overlaps " << placed[j]->objectName().toStdString();
  EXPECT_FALSE(window.Picture2[0]->geometry().intersects(window.Picture1->geometry()));
  EXPECT_FALSE(window.Picture2[0]->geometry().intersects(window.Frame5->geometry()));

  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_TRUE(CaptionFitsItsButton(button));
    EXPECT_GE(button->font().pointSizeF(), 8.0) << "no caption is shrunk out of reading";
  }
}
