// WaitSeconds(0.3): the processor time the waiting thread uses (getrusage) and the wall time, with
// nothing else to do and with a 10 ms timer ticking meanwhile (its ticks counted, so a wait that
// sleeps is seen to stay responsive).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

#include "runner/module1.h"

namespace {

double ThreadCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Wait {
  double cpu, wall;
  int ticks;
};

Wait OneWait(float seconds, bool ticking) {
  int ticks = 0;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
  if (ticking) tick.start(10);
  QElapsedTimer wall;
  const double cpu = ThreadCpuSeconds();
  wall.start();
  WaitSeconds(seconds);
  return {ThreadCpuSeconds() - cpu, wall.nsecsElapsed() / 1e9, ticks};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const float seconds = 0.3f;
  for (bool ticking : {false, true}) {
    for (int i = 0; i < 3; ++i) {
      Wait w = OneWait(seconds, ticking);
      std::printf("WaitSeconds(%.1f): wall %.1f ms, processor %.1f ms (%.1f%% of the wall), %d ticks of a 10 ms timer\n",
                  seconds, w.wall * 1e3, w.cpu * 1e3, 100 * w.cpu / w.wall, w.ticks);
    }
  }
  return 0;
}
