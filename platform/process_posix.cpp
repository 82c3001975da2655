#include "platform/process.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {

StartResult StartProcess(const std::string& commandLine, const std::string& programFolder) {
  StartResult result;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    result.failure = StartResult::Failure::Pipe;
    result.error = errno;
    return result;
  }
  std::vector<std::string> args = SplitCommandLine(commandLine);
  std::string program = args.empty() ? std::string() : ResolveProgram(args[0], programFolder);
  if (program.empty()) {
    close(fds[0]);
    close(fds[1]);
    result.failure = StartResult::Failure::Process;
    result.error = ENOENT;
    return result;
  }
  // The child sees the path it was started from, as a program started by its full path does.
  args[0] = program;
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  // dup2 clears close-on-exec on the copies, so only fds 1 and 2 of the child hold the pipe.
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  pid_t pid = -1;
  int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    result.failure = StartResult::Failure::Process;
    result.error = rc;
    return result;
  }
  result.process.pid = pid;
  result.process.outputFd = fds[0];
  return result;
}

long ReadOutput(int fd, char* buffer, unsigned long size) {
  while (true) {
    ssize_t n = read(fd, buffer, size);
    if (n >= 0 || errno != EINTR) return static_cast<long>(n);
  }
}

void FinishProcess(RunningProcess& process) {
  if (process.outputFd >= 0) close(process.outputFd);
  process.outputFd = -1;
  if (process.pid > 0) {
    int status = 0;
    pid_t pid = process.pid;
    // The pipe ends a moment before the child becomes a zombie. A child that closed its output
    // but keeps running is reaped in the background, so the caller never waits for its exit.
    for (int round = 0; round < 50; ++round) {
      if (waitpid(pid, &status, WNOHANG) != 0) {
        process.pid = -1;
        return;
      }
      usleep(1000);
    }
    std::thread([pid] { int s; waitpid(pid, &s, 0); }).detach();
  }
  process.pid = -1;
}

}  // namespace platform
