#include "runner/module1.h"

#include <algorithm>
#include <chrono>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
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

using std::chrono::nanoseconds;

nanoseconds Now() {
  const auto& clock = WaitClockSeam().Get();
  return clock ? clock() : nanoseconds(QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs());
}

// Runs the pending events, then sleeps until the next event arrives or `left` has passed (a
// minute at most: the clock is read again then). A test's clock does not follow real time, so
// with one the wait never sleeps.
void ProcessEventsFor(nanoseconds left, QTimer& deadline) {
  if (WaitClockSeam().Get() || !QAbstractEventDispatcher::instance()) {
    QCoreApplication::processEvents();
    return;
  }
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  deadline.start(static_cast<int>(std::clamp<decltype(ms)>(ms, 1, 60000)));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

Seam<std::function<std::chrono::nanoseconds()>>& WaitClockSeam() {
  static Seam<std::function<std::chrono::nanoseconds()>> seam;
  return seam;
}

void WaitSeconds(float Seconds) {
  if (!(Seconds > 0)) return;
  // Whole microseconds: 0.2 in single precision is 0.2000000030 s.
  const nanoseconds end = Now() + std::chrono::round<std::chrono::microseconds>(std::chrono::duration<double>(Seconds));
  QTimer deadline;  // wakes the sleeping wait; its timeout has nothing else to do
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  for (nanoseconds now = Now(); now < end; now = Now()) ProcessEventsFor(end - now, deadline);
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
