#pragma once
// Starting a hidden child process whose standard output and standard error share one pipe.

#include <functional>
#include <string>

#include "platform/command_line.h"
#include "platform/seam.h"
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
// that still runs after its output has ended is not waited for: a thread reaps it when it exits.
// When no thread can be made (the process or thread limit), a later FinishProcess reaps it.
void FinishProcess(RunningProcess& process);

// Starts the thread that waits for such a child (empty: a detached std::thread). Tests make it
// throw std::system_error as std::thread does at the thread limit.
Seam<std::function<void(std::function<void()>)>>& WaiterThreadSeam();

}  // namespace platform
