#pragma once
// Starting a hidden child process whose standard output and standard error share one pipe.

#include <string>

#include "platform/command_line.h"
#include <sys/types.h>

namespace platform {

struct RunningProcess {
  pid_t pid = -1;
  int outputFd = -1;  // read end of the pipe
};

struct StartResult {
  enum class Failure { None, Pipe, Process };
  Failure failure = Failure::None;
  int error = 0;  // errno of the failure
  RunningProcess process;
};

// Starts the command line without a shell, stdin from /dev/null. The read end never reaches
// any child; the parent's copy of the write end is closed before this returns.
StartResult StartProcess(const std::string& commandLine, const std::string& programFolder);

// Blocking read of at most size bytes: the count read, 0 when every writer has closed, -1 on error.
long ReadOutput(int fd, char* buffer, unsigned long size);

// Closes the read end and reaps the child, so that no zombie and no descriptor stays behind. A child
// that still runs after its output has ended is not waited for: it is reaped when it exits.
void FinishProcess(RunningProcess& process);

}  // namespace platform
