// Runner throughput: a child writes N MiB to the pipe; compares a plain loop of 256-byte reads
// with ExecuteCommand and a handler that does nothing, in the same run.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

#include "platform/process.h"
#include "bench/output_file.h"
#include "runner/dos_outputs.h"

namespace {

const QByteArray kLine = "package:com.example.some.app versionCode=1203 minSdk=29 targetSdk=32\r\n";

double PlainReads(const QString& commandLine) {
  QElapsedTimer timer;
  timer.start();
  auto started = platform::StartProcess(commandLine.toStdString(), "");
  char buffer[256];
  long total = 0;
  while (long n = platform::ReadOutput(started.process.outputFd, buffer, sizeof buffer)) {
    if (n < 0) break;
    total += n;
  }
  platform::FinishProcess(started.process);
  return timer.nsecsElapsed() / 1e9;
}

double Runner(const QString& commandLine) {
  DOSOutputs runner;
  runner.ReceiveOutputs = [](QString&) {};
  QElapsedTimer timer;
  timer.start();
  runner.ExecuteCommand(commandLine);
  return timer.nsecsElapsed() / 1e9;
}

// The two readers take turns, so that a drift of the machine's speed hits both alike.
std::pair<double, double> BestOfTurns(const QString& commandLine) {
  double plain = 1e9, runner = 1e9;
  for (int i = 0; i < 5; ++i) {
    plain = std::min(plain, PlainReads(commandLine));
    runner = std::min(runner, Runner(commandLine));
  }
  return {plain, runner};
}

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  QString small = CatCommand(MakeOutputFile(dir, 16, kLine));
  QString large = CatCommand(MakeOutputFile(dir, 64, kLine));

  long before = PeakKiB();
  auto [plainLarge, runnerLarge] = BestOfTurns(large);
  long peak = PeakKiB();
  auto [plainSmall, runnerSmall] = BestOfTurns(small);

  std::printf("plain 256-byte reads: 16 MiB %.3f s, 64 MiB %.3f s\n", plainSmall, plainLarge);
  std::printf("ExecuteCommand:       16 MiB %.3f s, 64 MiB %.3f s\n", runnerSmall, runnerLarge);
  std::printf("ratio runner/plain at 64 MiB: %.2f\n", runnerLarge / plainLarge);
  std::printf("runner 64 MiB / 16 MiB: %.2f (linear is 4)\n", runnerLarge / runnerSmall);
  std::printf("peak memory: %.1f MiB before the 64 MiB runs, %.1f MiB after (%.2fx the output)\n", before / 1024.0,
              peak / 1024.0, peak / 1024.0 / 64.0);
  return 0;
}
