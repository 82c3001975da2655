// Time per command on /bin/true: ExecuteCommand against a plain spawn + read to the pipe's end +
// blocking waitpid, taking turns in the same run. Then how long a child that closes its output
// but keeps running holds ExecuteCommand.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "runner/dos_outputs.h"

extern char** environ;

namespace {

double PlainSpawnAndRead() {
  QElapsedTimer timer;
  timer.start();
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return 0;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  char program[] = "/bin/true";
  char* argv[] = {program, nullptr};
  pid_t pid = -1;
  posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  char buffer[256];
  while (read(fds[0], buffer, sizeof buffer) > 0) {
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return timer.nsecsElapsed() / 1e9;
}

double Runner(DOSOutputs& runner, const QString& commandLine) {
  QElapsedTimer timer;
  timer.start();
  runner.ExecuteCommand(commandLine);
  return timer.nsecsElapsed() / 1e9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  DOSOutputs runner;
  runner.ReceiveOutputs = [](QString&) {};
  std::vector<double> plain, executed;
  for (int i = 0; i < 1000; ++i) {
    plain.push_back(PlainSpawnAndRead());
    executed.push_back(Runner(runner, QStringLiteral("/bin/true")));
  }
  const double p = Median(plain), e = Median(executed);
  std::printf("/bin/true, median of 1000 turns: plain spawn+read+waitpid %.3f ms, ExecuteCommand %.3f ms (%.2fx)\n",
              p * 1e3, e * 1e3, e / p);

  std::vector<double> lingering;
  for (int i = 0; i < 5; ++i)
    lingering.push_back(Runner(runner, QStringLiteral("sh -c \"exec >/dev/null 2>&1; sleep 0.5\"")));
  std::printf("a child that closes its output and runs 500 ms more: ExecuteCommand returns after %.1f ms (median of 5)\n",
              Median(lingering) * 1e3);
  return 0;
}
