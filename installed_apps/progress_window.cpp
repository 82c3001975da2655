#include "installed_apps/progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "runner/form_building.h"
#include "runner/vb_color.h"

namespace {
constexpr int kBarHeightTwips = 900;
constexpr qint32 kBarColour = vbcolor::Rgb(204, 102, 104);

// Keeps the count on one line over the bar: where the system's stand-in for Arial is wider, the
// text is drawn a little smaller rather than wrapped out of the label's height.
class OneLineLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QFont fitted = font();
    while (QFontMetrics(fitted).horizontalAdvance(text()) > width() && fitted.pointSizeF() > 8)
      fitted.setPointSizeF(fitted.pointSizeF() - 1);
    QPainter painter(this);
    painter.setFont(fitted);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
  }
};

}  // namespace

Form5::Form5(std::function<void()> showInstalledApps, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), showInstalledApps_(std::move(showInstalledApps)) {
  setObjectName(QStringLiteral("Form5"));
  setFixedSize(Pixels(7005), Pixels(825));
  Label1 = MakeControl<OneLineLabel>(this, QStringLiteral("Label1"));
  Label1->setGeometry(TwipsRect(240, 120, 6615, 615));
  Label1->setFont(DesignFont(QStringLiteral("Arial"), 24, true));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setText(QStringLiteral("Processing Apps: 0 of 0"));
  Timer1 = MakeControl<QTimer>(this, QStringLiteral("Timer1"));
  Timer1->setInterval(200);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form5::Show() {
  if (!loaded_) {
    loaded_ = true;
    Timer1->start();
    CentreOnScreen(this);
  }
  show();
}

void Form5::Timer1_Timer() {
  Timer1->stop();
  if (showInstalledApps_) showInstalledApps_();
}

void Form5::DrawProgressBar(int xTwips) {
  if (xTwips <= barTwips_) return;
  barTwips_ = xTwips;
  update();
}

void Form5::paintEvent(QPaintEvent*) {
  if (barTwips_ <= 0) return;
  QPainter painter(this);
  painter.fillRect(QRect(0, 0, Pixels(barTwips_), Pixels(kBarHeightTwips)), vbcolor::ToQColor(kBarColour));
}

void Form5::closeEvent(QCloseEvent* event) { event->ignore(); }
