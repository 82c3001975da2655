#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/resource.h>
#include <utility>

#include "runner/module1.h"
#include "runner/picture_box.h"
#include "runner/utf8_chunk_decoder.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"

TEST(SharedState, ArraysNeverStoreOutsideTheirBounds) {
  BoundedTextArray<255> obb;
  EXPECT_TRUE(obb.Set(0, "zero"));
  EXPECT_TRUE(obb.Set(255, "last"));
  EXPECT_FALSE(obb.Set(256, "past"));
  EXPECT_FALSE(obb.Set(-1, "before"));
  EXPECT_EQ(obb[255], "last");
  EXPECT_EQ(obb[256], "");
  EXPECT_EQ(obb[-1], "");

  BoundedTextArray<99> perms;
  EXPECT_TRUE(perms.Set(99, "p"));
  EXPECT_FALSE(perms.Set(100, "q"));
  EXPECT_EQ(perms[100], "");
}

namespace {

// The box's frame shows in its bottom-right pixel, which no small picture covers.
bool BorderDrawn(PictureBox& box) {
  const QImage shown = box.grab().toImage();
  return shown.pixel(shown.width() - 1, shown.height() - 1) == box.palette().color(QPalette::Mid).rgb();
}

// A steady clock that moves on by a fixed step each time it is read.
class SteppingClock {
 public:
  SteppingClock(std::chrono::nanoseconds start, std::chrono::nanoseconds step) : now_(start), step_(step) {}
  std::chrono::nanoseconds operator()() { return std::exchange(now_, now_ + step_); }
  std::chrono::nanoseconds now_, step_;
};

double ThreadCpuMs() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

}  // namespace

TEST(WaitSeconds, EndsAtTheRightMomentOfItsClock) {
  using namespace std::chrono_literals;
  const auto start = 86'399'900ms;  // nothing special about the moment a day's milliseconds run out
  auto clock = std::make_shared<SteppingClock>(start, 10ms);
  auto scoped = ScopedOverride(WaitClockSeam(), [clock] { return (*clock)(); });
  QElapsedTimer wall;
  wall.start();
  WaitSeconds(0.2f);
  EXPECT_LT(wall.elapsed(), 100);  // a test's clock never makes the wait sleep
  EXPECT_EQ(clock->now_ - clock->step_, start + 200ms) << "the last reading";
}

TEST(WaitSeconds, ProcessesEventsWhileWaitingButNotForZeroOrLess) {
  for (float seconds : {0.0f, -1.0f}) {
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    WaitSeconds(seconds);
    EXPECT_FALSE(ran) << seconds;
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
  }
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  WaitSeconds(0.05f);
  EXPECT_TRUE(ran);
}

TEST(WaitSeconds, SleepsBetweenEventsYetRunsThemOnTime) {
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
  tick.start(10);
  const double cpuBefore = ThreadCpuMs();
  QElapsedTimer wall;
  wall.start();
  WaitSeconds(0.3f);
  const qint64 wallMs = wall.elapsed();
  EXPECT_GE(wallMs, 300);
  EXPECT_LT(ThreadCpuMs() - cpuBefore, wallMs / 4.0);
  EXPECT_GE(ticks, 10);
}

// The local clock set back or forward within a wait (a daylight-saving change, a time sync)
// neither stretches the wait nor ends it early.
TEST(WaitSeconds, LastsItsTimeWhateverTheWallClockDoes) {
  const QByteArray zone = qgetenv("TZ");
  const auto restoreZone = qScopeGuard([&zone] { zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone); });
  for (const char* stepTo : {"UTC0", "UTC-2"}) {  // from UTC+1: an hour back, an hour forward
    qputenv("TZ", "UTC-1");
    QTimer step, stepBack;  // stepBack only ends a wait that the step stretched
    step.callOnTimeout([stepTo] { qputenv("TZ", stepTo); });
    stepBack.callOnTimeout([] { qputenv("TZ", "UTC-1"); });
    step.start(0);
    stepBack.start(3000);
    QElapsedTimer wall;
    wall.start();
    WaitSeconds(0.1f);
    EXPECT_GE(wall.elapsed(), 100) << stepTo;
    EXPECT_LT(wall.elapsed(), 2000) << stepTo;
  }
}

namespace {

QString WritePng(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  image.setPixelColor(size.width() - 1, size.height() - 1, Qt::blue);
  QString path = dir.filePath(name);
  image.save(path);
  return path;
}

}  // namespace

TEST(DrawPictureFile, LeavesTheBoxAsItWasWhenNothingCanBeDrawn) {
  QTemporaryDir dir;
  PictureBox box;
  QImage designed(4, 4, QImage::Format_ARGB32);
  designed.fill(Qt::green);
  box.SetPicture(designed);
  QString notAnImage = dir.filePath("icon.png");
  ASSERT_TRUE(WriteTestFile(notAnImage, "<vector/>"));

  for (const QString& name : {QString(), QString("   "), dir.filePath("missing.png"), dir.path(), notAnImage}) {
    EXPECT_FALSE(DrawPictureFile(name, &box)) << name.toStdString();
    EXPECT_EQ(box.Picture(), designed) << name.toStdString();
    EXPECT_TRUE(BorderDrawn(box));
  }
  EXPECT_FALSE(DrawPictureFile(WritePng(dir, "ok.png", {8, 8}, Qt::red), nullptr));
}

TEST(DrawPictureFile, DrawsAtNaturalSizeFromTheTopLeftCorner) {
  QTemporaryDir dir;
  PictureBox box;
  box.resize(48, 48);
  box.setAttribute(Qt::WA_DontShowOnScreen);
  box.show();

  ASSERT_TRUE(DrawPictureFile(WritePng(dir, "large.png", {200, 120}, Qt::red), &box));
  EXPECT_EQ(box.Picture().size(), QSize(200, 120));
  EXPECT_FALSE(BorderDrawn(box));
  QImage shown = box.grab().toImage();
  EXPECT_EQ(shown.size(), QSize(48, 48));
  EXPECT_EQ(shown.pixelColor(47, 47), QColor(Qt::red));  // cut off, not scaled down

  ASSERT_TRUE(DrawPictureFile(WritePng(dir, "small.png", {16, 16}, Qt::red), &box));
  shown = box.grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(15, 15), QColor(Qt::blue));
  EXPECT_NE(shown.pixelColor(30, 30), QColor(Qt::red));  // the box's own background beyond the icon
}

TEST(Utf8ChunkDecoder, NeverSplitsACharacterWhereverTheReadEnds) {
  const QByteArray text = QString("a中文😀é").toUtf8();
  for (int cut = 0; cut <= text.size(); ++cut) {
    Utf8ChunkDecoder decoder;
    QString chunk;  // one buffer for every read, as the runner keeps it
    decoder.DecodeInto(text.constData(), cut, chunk);
    QString joined = chunk;
    decoder.DecodeInto(text.constData() + cut, text.size() - cut, chunk);
    joined += chunk + decoder.Finish();
    EXPECT_EQ(joined, QString("a中文😀é")) << cut;
    EXPECT_FALSE(joined.contains(QChar::ReplacementCharacter)) << cut;
  }
}

TEST(Utf8ChunkDecoder, ACharacterCutOffByTheEndBecomesAReplacement) {
  Utf8ChunkDecoder decoder;
  const QByteArray bytes = QString("x中").toUtf8().left(3);
  QString chunk;
  decoder.DecodeInto(bytes.constData(), bytes.size(), chunk);
  EXPECT_EQ(chunk, "x");
  QString rest = decoder.Finish();
  EXPECT_FALSE(rest.isEmpty());
  EXPECT_EQ(rest.count(QChar::ReplacementCharacter), rest.size());
  EXPECT_EQ(decoder.Finish(), "");
}
