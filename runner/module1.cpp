#include "runner/module1.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

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
  while (true) {
    QDateTime now = Now();
    float elapsed = SecondsSinceMidnight(now);
    bool sameDay = now.date() == d0 && elapsed < t;
    bool nextDay = now.date() == d0.addDays(1) && elapsed < t2;
    if (!sameDay && !nextDay) return;
    QCoreApplication::processEvents();
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
