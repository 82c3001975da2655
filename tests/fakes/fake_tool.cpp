// Stand-in for adb and aapt in tests: logs each call, answers from a scenario file in its own
// folder, and can play a headset's storage (fake_device.cpp; see README.md beside this file).
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "fake_tool.h"

namespace fs = std::filesystem;

namespace fake {

void writeAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

namespace {

// Newlines are escaped too, so that one call always stays one log line.
std::string quoteArg(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"\n\r") == std::string::npos) return arg;
  std::string out = "\"";
  for (char c : arg) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') { out += "\\n"; continue; }
    if (c == '\r') { out += "\\r"; continue; }
    out += c;
  }
  return out + "\"";
}

std::string joinArgs(const std::vector<std::string>& args) {
  std::string out;
  for (size_t i = 0; i < args.size(); ++i) out += (i > 0 ? " " : "") + quoteArg(args[i]);
  return out;
}

void logCall(const Call& call) {
  std::string line = call.tool;
  if (!call.args.empty()) line += ' ' + call.joined;
  line += '\n';
  int fd = ::open((call.folder + "/fake_calls.log").c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;
  writeAll(fd, line);
  ::close(fd);
}

[[noreturn]] void fail(const std::string& message) {
  writeAll(2, "fake_tool: " + message + "\n");
  ::_exit(2);
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string decodeEscapes(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) { out += text[i]; continue; }
    char c = text[++i];
    switch (c) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      case 'e': break;
      case 'x':
        if (i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
          out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
          i += 2;
          break;
        }
        [[fallthrough]];
      default: out += '\\'; out += c;
    }
  }
  return out;
}

enum class Step { Out, Err, OutFile, Sleep, ReadIn };

struct Rule {
  enum class Match { Exact, Regex, Any } match = Match::Any;
  std::string pattern;
  std::vector<std::pair<Step, std::string>> steps;
  int exitCode = 0;
  std::optional<long> times;
  int line = 0;
};

std::string trimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
  return text;
}

std::vector<Rule> readScenario(const std::string& path) {
  std::vector<Rule> rules;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (trimRight(line).empty() || line[0] == '#') continue;
    size_t blank = line.find(' ');
    std::string keyword = line.substr(0, blank);
    std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
    std::string where = path + ":" + std::to_string(number);
    if (keyword == "when" || keyword == "when~") {
      Rule rule;
      rule.line = number;
      rule.pattern = trimRight(rest);
      if (keyword == "when~") rule.match = Rule::Match::Regex;
      else if (rule.pattern != "*") rule.match = Rule::Match::Exact;
      rules.push_back(rule);
      continue;
    }
    if (rules.empty()) fail(where + ": '" + keyword + "' before any 'when'");
    Rule& rule = rules.back();
    try {
      if (keyword == "out") rule.steps.emplace_back(Step::Out, decodeEscapes(rest));
      else if (keyword == "err") rule.steps.emplace_back(Step::Err, decodeEscapes(rest));
      else if (keyword == "outfile") rule.steps.emplace_back(Step::OutFile, trimRight(rest));
      else if (keyword == "sleep") rule.steps.emplace_back(Step::Sleep, std::to_string(std::stol(rest)));
      else if (keyword == "readin") rule.steps.emplace_back(Step::ReadIn, std::string());
      else if (keyword == "exit") rule.exitCode = std::stoi(rest);
      else if (keyword == "times") rule.times = std::stol(rest);
      else fail(where + ": unknown keyword '" + keyword + "'");
    } catch (const std::logic_error&) {
      fail(where + ": bad number '" + rest + "'");
    }
  }
  return rules;
}

bool matches(const Rule& rule, const std::string& joined, const std::string& where) {
  switch (rule.match) {
    case Rule::Match::Any: return true;
    case Rule::Match::Exact: return rule.pattern == joined;
    case Rule::Match::Regex:
      try {
        return std::regex_search(joined, std::regex(rule.pattern, std::regex::ECMAScript));
      } catch (const std::regex_error&) {
        fail(where + ": bad regex '" + rule.pattern + "'");
      }
  }
  return false;
}

// Counts the use under a lock so that parallel calls cannot both take the last use.
bool takeUse(const Call& call, size_t index, long limit) {
  std::string dir = call.folder + "/fake_state";
  ::mkdir(dir.c_str(), 0755);
  std::string path = dir + "/" + call.tool + "." + std::to_string(index);
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) fail("cannot open " + path);
  ::flock(fd, LOCK_EX);
  char buffer[32] = {};
  ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
  long used = n > 0 ? std::atol(buffer) : 0;
  bool ok = used < limit;
  if (ok) {
    std::string text = std::to_string(used + 1);
    ::ftruncate(fd, 0);
    ::pwrite(fd, text.data(), text.size(), 0);
  }
  ::close(fd);
  return ok;
}

}  // namespace

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

namespace {

int play(const Call& call, const Rule& rule) {
  for (const auto& [step, text] : rule.steps) {
    switch (step) {
      case Step::Out: writeAll(1, text); break;
      case Step::Err: writeAll(2, text); break;
      case Step::OutFile: {
        std::string path = text.starts_with('/') ? text : call.folder + "/" + text;
        auto content = readFile(path);
        if (!content) fail("outfile not readable: " + path);
        writeAll(1, *content);
        break;
      }
      case Step::Sleep: {
        long ms = std::stol(text);
        timespec pause{ms / 1000, (ms % 1000) * 1000000L};
        while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {}
        break;
      }
      case Step::ReadIn: {
        char buffer[4096];
        for (;;) {
          ssize_t n = ::read(0, buffer, sizeof buffer);
          if (n > 0 || (n < 0 && errno == EINTR)) continue;
          break;
        }
        break;
      }
    }
  }
  return rule.exitCode;
}

}  // namespace
}  // namespace fake

using namespace fake;

int main(int argc, char** argv) {
  Call call;
  std::string self = argv[0];
  size_t slash = self.rfind('/');
  call.folder = slash == std::string::npos ? "." : self.substr(0, slash == 0 ? 1 : slash);
  call.tool = slash == std::string::npos ? self : self.substr(slash + 1);
  call.args.assign(argv + 1, argv + argc);
  call.joined = joinArgs(call.args);
  logCall(call);

  std::string scenario = call.folder + "/" + call.tool + ".scenario";
  auto rules = readScenario(scenario);
  for (size_t i = 0; i < rules.size(); ++i) {
    const Rule& rule = rules[i];
    if (!matches(rule, call.joined, scenario + ":" + std::to_string(rule.line))) continue;
    if (rule.times && !takeUse(call, i, *rule.times)) continue;
    return play(call, rule);
  }
  if (call.tool == "adb" && fs::is_directory(call.folder + "/device")) return playDevice(call);
  return 0;
}
