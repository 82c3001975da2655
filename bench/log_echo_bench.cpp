// The main log's echo: N MiB of command output (1, 4, 16, 64) run through the window's runner into
// txtOutputs, against the same run with a handler that does nothing. Each size and way runs in a
// fresh process of this program, so that the peak memory of its first run is its own: the growth
// of the resident size during the run (high-water mark less the size just before) and the
// process's whole peak, both as ratios to the output's size. Times are the best of five runs in
// that process, as the later ones find fonts and caches warm as a program that has run a while:
// the wall time, and the processor time of the program and its cat, which a busy machine disturbs
// less.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "bench/output_file.h"
#include "runner/dos_outputs.h"

namespace {

const QByteArray kLine = "/sdcard/Android/obb/com.example.demo/main.1.obb: 1 file pushed. 35.2 MB/s 设备\r\n";

long StatusKiB(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(key)) return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
  return 0;
}

// Starts a new high-water mark of the resident size at the present size.
void ResetPeak() {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

struct One {
  double seconds = 1e9;
  double cpuSeconds = 1e9;
  double growthMiB = 0;
  double peakMiB = 0;
};

double CpuSeconds() {
  double total = 0;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage u{};
    getrusage(who, &u);
    total += u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  }
  return total;
}

One MeasureOnce(const QString& mode, const QString& path) {
  morvell window;
  window.show();
  QApplication::processEvents();
  DOSOutputs runner;
  if (mode == QStringLiteral("echo"))
    runner.ReceiveOutputs = [&window](QString& chunk) { window.objDOS_ReceiveOutputs(chunk); };
  else
    runner.ReceiveOutputs = [](QString&) {};
  const long before = StatusKiB("VmRSS:");
  ResetPeak();
  const double cpu = CpuSeconds();
  QElapsedTimer timer;
  timer.start();
  runner.CommandLine(CatCommand(path));
  runner.ExecuteCommand();
  QApplication::processEvents();  // the window paints the grown log once the command has ended
  One one;
  one.seconds = timer.nsecsElapsed() / 1e9;
  one.cpuSeconds = CpuSeconds() - cpu;
  one.growthMiB = (StatusKiB("VmHWM:") - before) / 1024.0;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  one.peakMiB = usage.ru_maxrss / 1024.0;
  return one;
}

// Memory from the first run, time the best of five.
One Measure(const QString& mode, const QString& path) {
  One first = MeasureOnce(mode, path);
  for (int run = 1; run < 5; ++run) {
    const One next = MeasureOnce(mode, path);
    first.seconds = std::min(first.seconds, next.seconds);
    first.cpuSeconds = std::min(first.cpuSeconds, next.cpuSeconds);
  }
  return first;
}

One InChild(const QString& mode, const QString& path) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one"), mode, path});
  child.waitForFinished(-1);
  const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
  if (fields.size() != 4) return {};
  return {fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble(), fields[3].toDouble()};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 4 && QByteArray(argv[1]) == "--one") {
    One one = Measure(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    std::printf("%.6f %.6f %.1f %.1f\n", one.seconds, one.cpuSeconds, one.growthMiB, one.peakMiB);
    return 0;
  }
  QTemporaryDir dir;
  std::printf("        runner alone                     | echoed into the log              | echo / runner\n");
  std::printf("size    wall     cpu      growth peak   | wall     cpu      growth peak   | wall   cpu\n");
  for (int mib : {1, 4, 16, 64}) {
    const QString path = MakeOutputFile(dir, mib, kLine);
    const One alone = InChild(QStringLiteral("alone"), path);
    const One echoed = InChild(QStringLiteral("echo"), path);
    std::printf("%2d MiB  %.3f s  %.3f s  %5.2fx %5.2fx | %.3f s  %.3f s  %5.2fx %5.2fx | %.2fx  %.2fx\n", mib,
                alone.seconds, alone.cpuSeconds, alone.growthMiB / mib, alone.peakMiB / mib, echoed.seconds,
                echoed.cpuSeconds, echoed.growthMiB / mib, echoed.peakMiB / mib, echoed.seconds / alone.seconds,
                echoed.cpuSeconds / alone.cpuSeconds);
  }
  std::printf("growth: resident size added during the run; peak: the process's peak; both over the output's size\n");
  return 0;
}
