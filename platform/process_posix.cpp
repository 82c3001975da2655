#include "platform/process.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace platform {
namespace {

bool Reaped(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) != 0;  // -1: not ours to reap any more
}

// The pipe ends a moment before its writer becomes a zombie, so a child that is exiting is waited
// for, a short while at most, woken by its exit itself rather than by polling.
bool AwaitExit(pid_t pid) {
  constexpr int kExitGraceMs = 20;
  // Called by number: glibc 2.36 declares pidfd_open without C linkage.
  int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (fd < 0) return false;
  pollfd exited{fd, POLLIN, 0};
  int rc;
  do rc = poll(&exited, 1, kExitGraceMs);
  while (rc < 0 && errno == EINTR);
  close(fd);
  return rc > 0;
}

// Children whose waiting thread could not be made, reaped by a later finish once they have exited.
std::mutex unwaitedLock;
std::vector<pid_t> unwaited;

void ReapUnwaited() {
  std::lock_guard lock(unwaitedLock);
  std::erase_if(unwaited, Reaped);
}

void WaitInBackground(pid_t pid) {
  auto wait = [pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  };
  try {
    if (const auto& start = WaiterThreadSeam().Get())
      start(wait);
    else
      std::thread(wait).detach();
  } catch (const std::system_error&) {
    std::lock_guard lock(unwaitedLock);
    unwaited.push_back(pid);
  }
}

}  // namespace

Seam<std::function<void(std::function<void()>)>>& WaiterThreadSeam() {
  static Seam<std::function<void(std::function<void()>)>> seam;
  return seam;
}

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
  ReapUnwaited();
  const pid_t pid = std::exchange(process.pid, -1);
  if (pid <= 0 || Reaped(pid) || (AwaitExit(pid) && Reaped(pid))) return;
  // A child that outlives its output does not hold the caller; it is reaped when it exits.
  WaitInBackground(pid);
}

}  // namespace platform
