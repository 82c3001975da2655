#include "runner/module1.h"

#include <algorithm>
#include <cmath>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QTimer>

#include "runner/picture_box.h"

namespace Module1 {

BoundedTextArray<255> ObbFileNames;
BoundedTextArray<255> ObbFilePaths;
int ObbCount = 0;
bool ObbConfirmed = false;
bool AppsWindowClosed = false;
int PermCount = 0;
BoundedTextArray<99> PermGranted;
BoundedTextArray<99> PermNames;
bool OutputSilenced = false;

void ResetSharedState() {
  ObbFileNames.Clear();
  ObbFilePaths.Clear();
  ObbCount = 0;
  ObbConfirmed = false;
  AppsWindowClosed = false;
  PermCount = 0;
  PermGranted.Clear();
  PermNames.Clear();
  OutputSilenced = false;
}

}  // namespace Module1

namespace {

QDateTime Now() {
  const auto& clock = WaitClockSeam().Get();
  return clock ? clock() : QDateTime::currentDateTime();
}

float SecondsSinceMidnight(const QDateTime& moment) { return moment.time().msecsSinceStartOfDay() / 1000.0f; }

// Runs the pending events, then sleeps until the next event arrives or secondsLeft have passed
// (a minute at most: the clock is read again then). A test's clock does not follow real time, so
// with one the wait never sleeps.
void ProcessEventsFor(float secondsLeft, QTimer& deadline) {
  if (WaitClockSeam().Get() || !QAbstractEventDispatcher::instance()) {
    QCoreApplication::processEvents();
    return;
  }
  deadline.start(static_cast<int>(std::clamp(std::ceil(secondsLeft * 1000.0f), 1.0f, 60000.0f)));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

Seam<std::function<QDateTime()>>& WaitClockSeam() {
  static Seam<std::function<QDateTime()>> seam;
  return seam;
}

void WaitSeconds(float Seconds) {
  QDateTime start = Now();
  QDate d0 = start.date();
  float t = SecondsSinceMidnight(start) + Seconds;
  float t2 = t - 86400.0f;
  QTimer deadline;  // wakes the sleeping wait; its timeout has nothing else to do
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  while (true) {
    QDateTime now = Now();
    float elapsed = SecondsSinceMidnight(now);
    bool sameDay = now.date() == d0 && elapsed < t;
    bool nextDay = now.date() == d0.addDays(1) && elapsed < t2;
    if (!sameDay && !nextDay) return;
    ProcessEventsFor((sameDay ? t : t2) - elapsed, deadline);
  }
}

bool DrawPictureFile(const QString& FileName, PictureBox* Pic) {
  bool blank = std::all_of(FileName.begin(), FileName.end(), [](QChar c) { return c == ' '; });
  if (blank || Pic == nullptr) return false;
  if (!QFileInfo(FileName).isFile()) return false;
  QImage image(FileName);
  if (image.isNull()) return false;
  Pic->SetBorder(false);
  Pic->SetPicture(image);
  return true;
}
