#pragma once
// Starting a hidden child process whose standard output and standard error share one pipe.

#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// Splits one command line into arguments by the rules of the Windows C runtime: blanks and
// tabs separate, double quotes group, 2n backslashes before a quote give n backslashes and a
// quote that groups, 2n+1 give n backslashes and a literal quote, "" inside quotes gives one
// quote. The first argument (the program) takes everything between its quotes literally.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// A name with a '/' is taken as it is; a bare name is looked up in programFolder first, then in
// the folders of PATH. Empty when no executable file is found.
std::string ResolveProgram(const std::string& name, const std::string& programFolder);

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

// Closes the read end and reaps the child, so that no zombie and no descriptor stays behind.
void FinishProcess(RunningProcess& process);

}  // namespace platform
