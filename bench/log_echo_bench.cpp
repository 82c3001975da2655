// The main log's echo: N MiB of command output run through the window's runner into txtOutputs,
// against the same run with a handler that does nothing. Prints seconds and the two ratios
// (echo / runner alone, 16 MiB / 4 MiB of the echo).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "bench/output_file.h"
#include "runner/dos_outputs.h"

namespace {

const QByteArray kLine = "/sdcard/Android/obb/com.example.demo/main.1.obb: 1 file pushed. 35.2 MB/s 设备\r\n";

double RunnerAlone(const QString& path) {
  DOSOutputs runner;
  runner.ReceiveOutputs = [](QString&) {};
  QElapsedTimer timer;
  timer.start();
  runner.ExecuteCommand(CatCommand(path));
  return timer.nsecsElapsed() / 1e9;
}

double Echoed(const QString& path, qsizetype* logSize) {
  morvell window;
  window.show();
  // A runner wired to the window's output handler, as the window's own runner is.
  DOSOutputs runner;
  runner.ReceiveOutputs = [&window](QString& chunk) { window.objDOS_ReceiveOutputs(chunk); };
  QElapsedTimer timer;
  timer.start();
  runner.CommandLine(CatCommand(path));
  runner.ExecuteCommand();
  QApplication::processEvents();  // the window paints the grown log once the command has ended
  double seconds = timer.nsecsElapsed() / 1e9;
  *logSize = window.txtOutputs->Text().size();
  return seconds;
}

double Best(int runs, const std::function<double()>& measure) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) best = std::min(best, measure());
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  double echo4 = 0, echo16 = 0;
  for (int mib : {4, 16}) {
    QString path = MakeOutputFile(dir, mib, kLine);
    qsizetype logSize = 0;
    double alone = Best(3, [&] { return RunnerAlone(path); });
    double echoed = Best(3, [&] { return Echoed(path, &logSize); });
    std::printf("%2d MiB: runner alone %.3f s, echoed into the log %.3f s (%lld characters), echo/runner %.2fx\n",
                mib, alone, echoed, static_cast<long long>(logSize), echoed / alone);
    (mib == 4 ? echo4 : echo16) = echoed;
  }
  std::printf("echo 16 MiB / 4 MiB: %.2fx\n", echo16 / echo4);
  return 0;
}
