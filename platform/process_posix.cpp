#include "platform/process.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes group and are dropped, backslashes are plain characters.
size_t TakeProgramName(const std::string& line, size_t i, std::string& out) {
  bool quoted = false;
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (IsBlank(c) && !quoted) {
      break;
    } else {
      out += c;
    }
  }
  return i;
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i == line.size()) return args;
  std::string program;
  i = TakeProgramName(line, i, program);
  args.push_back(program);

  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < line.size()) {
      char c = line[i];
      if (c == '\\') {
        size_t slashes = 0;
        while (i < line.size() && line[i] == '\\') { ++slashes; ++i; }
        if (i < line.size() && line[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2 == 1) { arg += '"'; ++i; }
        } else {
          arg.append(slashes, '\\');
        }
        continue;
      }
      if (c == '"') {
        if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
          arg += '"';
          i += 2;
          continue;
        }
        quoted = !quoted;
        ++i;
        continue;
      }
      if (IsBlank(c) && !quoted) break;
      arg += c;
      ++i;
    }
    args.push_back(arg);
  }
  return args;
}

std::string ResolveProgram(const std::string& name, const std::string& programFolder) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
  if (!programFolder.empty()) {
    std::string candidate = programFolder + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string folder = folders.substr(start, end - start);
    if (folder.empty()) folder = ".";
    std::string candidate = folder + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
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
