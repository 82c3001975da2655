#pragma once
// How one command line becomes a program and its arguments; no process is started here.

#include <string>
#include <vector>

namespace platform {

// Splits one command line into arguments by the rules of the Windows C runtime: blanks and
// tabs separate, double quotes group, 2n backslashes before a quote give n backslashes and a
// quote that groups, 2n+1 give n backslashes and a literal quote, "" inside quotes gives one
// quote. The first argument (the program) is read by the same rules, so that any path written by
// QuoteLocalPath, one with a '"' included, can stand there.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// A name with a '/' is taken as it is; a bare name is looked up in programFolder first, then in
// the folders of PATH. Empty when no executable file is found.
std::string ResolveProgram(const std::string& name, const std::string& programFolder);

}  // namespace platform
