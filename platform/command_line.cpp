#include "platform/command_line.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A run of backslashes: before a quote 2n give n and the quote still counts, 2n+1 give n and a
// literal quote; elsewhere they stay as they are.
size_t TakeBackslashes(const std::string& line, size_t i, std::string& arg) {
  size_t slashes = 0;
  while (i < line.size() && line[i] == '\\') { ++slashes; ++i; }
  const bool beforeQuote = i < line.size() && line[i] == '"';
  arg.append(beforeQuote ? slashes / 2 : slashes, '\\');
  if (beforeQuote && slashes % 2 == 1) { arg += '"'; ++i; }
  return i;
}

// One argument from position i on; returns the position after it. The program name is read by
// the same rules, so a program path with a '"' (which Linux allows) survives its quoting.
size_t TakeArgument(const std::string& line, size_t i, std::string& arg) {
  bool quoted = false;
  while (i < line.size()) {
    char c = line[i];
    if (c == '\\') {
      i = TakeBackslashes(line, i, arg);
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
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string arg;
    i = TakeArgument(line, i, arg);
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
    // Not folder = ".": g++ 12 warns falsely (-Wrestrict) about that assignment.
    if (folder.empty()) folder.push_back('.');
    std::string candidate = folder + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

}  // namespace platform
