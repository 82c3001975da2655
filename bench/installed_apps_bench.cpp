// Loading the installed-apps window with 100 and 1,000 apps from an adb that answers at once:
// the listing script's run, the work after it (parse, sort, numbering, column fitting, pictures)
// as a ratio to the run, and the share of the run spent in the window's output handler.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "installed_apps/form4.h"
#include "installed_apps/msflexgrid.h"
#include "installed_apps/progress_window.h"
#include "runner/tools.h"

namespace {

struct Phases {
  double run = 0;      // the script's run, handler included
  double handler = 0;  // inside the output handler
  double after = 0;    // the grid filled from the output
  int rows = 0;
};

Phases LoadOnce(const QString& folder, int apps) {
  QFile count(folder + "/apps");
  count.open(QIODevice::WriteOnly | QIODevice::Truncate);
  count.write(QByteArray::number(apps));
  count.close();

  Form5 progress(nullptr);
  Form4 form(nullptr, &progress);
  Phases phases;
  form.PrepareListing();
  form.objDOS->ReceiveOutputs = [&form, &phases](QString& chunk) {
    QElapsedTimer timer;
    timer.start();
    form.objDOS_ReceiveOutputs(chunk);
    phases.handler += timer.nsecsElapsed() / 1e9;
  };
  QElapsedTimer timer;
  timer.start();
  form.RunListing();
  phases.run = timer.nsecsElapsed() / 1e9;
  timer.restart();
  form.ShowListing();
  phases.after = timer.nsecsElapsed() / 1e9;
  phases.rows = form.MSFlexGrid1->Rows() - 1;
  return phases;
}

// Best of three for each figure, runs of both sizes taking turns.
void Report(const QString& folder) {
  Phases best[2];
  const int sizes[2] = {100, 1000};
  for (int round = 0; round < 3; ++round) {
    for (int s = 0; s < 2; ++s) {
      const Phases p = LoadOnce(folder, sizes[s]);
      if (round == 0 || p.run < best[s].run) {
        best[s].run = p.run;
        best[s].handler = p.handler;
      }
      if (round == 0 || p.after < best[s].after) best[s].after = p.after;
      best[s].rows = p.rows;
    }
  }
  for (int s = 0; s < 2; ++s) {
    const Phases& p = best[s];
    std::printf("%5d apps (%d rows): run %.3f s, handler %.4f s (%.1f%% of the run), after the run %.4f s (%.1f%% of the run)\n",
                sizes[s], p.rows, p.run, p.handler, 100 * p.handler / p.run, p.after, 100 * p.after / p.run);
  }
  std::printf("1000 / 100 apps: run %.1fx, handler %.1fx, after the run %.1fx (linear is 10x)\n",
              best[1].run / best[0].run, best[1].handler / best[0].handler, best[1].after / best[0].after);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Q_INIT_RESOURCE(resources);
  QTemporaryDir folder;
  QTemporaryDir temp;
  qputenv("TMPDIR", temp.path().toUtf8());
  if (!QFile::link(QStringLiteral(INSTANT_ADB), folder.filePath("adb"))) return 1;
  const auto programFolder = ScopedOverride(tools::ProgramFolderSeam(), folder.path());
  Report(folder.path());
  return 0;
}
