// Stand-in for adb and aapt in tests: logs each call, answers from a scenario file in its own
// folder, and can play a headset's storage (see README.md beside this file).
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

namespace fs = std::filesystem;

namespace {

struct Call {
  std::string folder;  // dirname(argv[0]) as given: tests run the fake through a symlink
  std::string tool;
  std::vector<std::string> args;
  std::string joined;
};

void writeAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

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

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

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

// ---- device mode: <folder>/device/sdcard plays the headset's /sdcard ----

// Only paths under /sdcard map; ".." is refused so a test can never touch files outside the device folder.
std::optional<fs::path> mapRemote(const Call& call, const std::string& remote) {
  const std::string root = "/sdcard";
  if (remote != root && !remote.starts_with(root + "/")) return std::nullopt;
  fs::path rel(remote.substr(root.size()));
  for (const auto& part : rel)
    if (part == "..") return std::nullopt;
  return fs::path(call.folder) / "device/sdcard" / rel.relative_path();
}

std::string unquote(std::string text) {
  if (text.size() >= 2 && (text.front() == '\'' || text.front() == '"') && text.back() == text.front())
    return text.substr(1, text.size() - 2);
  return text;
}

std::string entryLine(const fs::path& path, const std::string& name) {
  struct stat info{};
  ::lstat(path.c_str(), &info);
  bool dir = S_ISDIR(info.st_mode);
  std::string line = dir ? "drwxrwx--x 2 " : "-rw-rw---- 1 ";
  line += "u0_a123 ext_data_rw " + std::to_string(dir ? 4096 : info.st_size) + " 2026-01-01 00:00 " + name + "\n";
  return line;
}

void listTree(const fs::path& local, const std::string& shown, std::string& out) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(local)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  long blocks = 8;
  for (const auto& name : names) {
    struct stat info{};
    if (::lstat((local / name).c_str(), &info) == 0) blocks += info.st_blocks / 2;
  }
  out += shown + ":\ntotal " + std::to_string(blocks) + "\n";
  out += entryLine(local, ".") + entryLine(local.parent_path(), "..");
  for (const auto& name : names) out += entryLine(local / name, name);
  std::string prefix = shown.ends_with('/') ? shown : shown + "/";
  for (const auto& name : names)
    if (fs::is_directory(fs::symlink_status(local / name))) {
      out += "\n";
      listTree(local / name, prefix + name, out);
    }
}

int deviceLs(const Call& call, const std::string& remote) {
  auto local = mapRemote(call, remote);
  std::error_code error;
  if (!local || !fs::exists(*local, error)) {
    writeAll(2, "ls: " + remote + ": No such file or directory\n");
    return 1;
  }
  std::string out;
  if (fs::is_directory(*local)) listTree(*local, remote, out);
  else out = entryLine(*local, remote);
  writeAll(1, out);
  return 0;
}

int deviceRm(const Call& call, const std::string& remote) {
  auto local = mapRemote(call, remote);
  std::error_code error;
  if (!local || !fs::exists(fs::symlink_status(*local, error))) {
    writeAll(2, "rm: " + remote + ": No such file or directory\n");
    return 1;
  }
  fs::remove_all(*local, error);
  if (error) {
    writeAll(2, "rm: " + remote + ": " + error.message() + "\n");
    return 1;
  }
  return 0;
}

int devicePush(const Call& call, const std::string& local, const std::string& remote) {
  std::error_code error;
  auto content = fs::is_regular_file(local, error) ? readFile(local) : std::nullopt;
  if (!content) {
    writeAll(2, "adb: error: cannot stat '" + local + "': No such file or directory\n");
    return 1;
  }
  auto target = mapRemote(call, remote);
  // Like adb: a push onto an existing folder lands inside it under the local name.
  if (target && (remote.ends_with('/') || fs::is_directory(*target)))
    target = *target / fs::path(local).filename();
  if (target) fs::create_directories(target->parent_path(), error);
  std::ofstream outFile;
  if (target && !error) outFile.open(*target, std::ios::binary | std::ios::trunc);
  if (!outFile || !outFile.write(content->data(), static_cast<std::streamsize>(content->size())).flush()) {
    writeAll(2, "adb: error: failed to copy '" + local + "' to '" + remote + "': remote Permission denied\n");
    return 1;
  }
  writeAll(1, local + ": 1 file pushed, 0 skipped. 12.3 MB/s (" + std::to_string(content->size()) +
                  " bytes in 0.001s)\n");
  return 0;
}

int refuse(const std::string& message, int code) {
  writeAll(2, message);
  return code;
}

std::string strip(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string pulledLine(const std::string& shown, long files, std::uintmax_t bytes) {
  return shown + ": " + std::to_string(files) + (files == 1 ? " file" : " files") +
         " pulled, 0 skipped. 12.3 MB/s (" + std::to_string(bytes) + " bytes in 0.001s)\n";
}

bool copyOne(const fs::path& from, const fs::path& to, std::uintmax_t& bytes, std::string& failed) {
  std::error_code error;
  fs::create_directories(to.parent_path(), error);
  if (!error) fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (error) {
    failed = "adb: error: cannot create '" + to.string() + "': " + error.message() + "\n";
    return false;
  }
  bytes += fs::file_size(from, error);
  return true;
}

// Like adb: a pull onto an existing folder lands inside it under the remote name; missing local
// folders are created.
int devicePull(const Call& call, const std::string& remoteArg, const std::string& local) {
  const std::string remote = strip(remoteArg);
  auto source = mapRemote(call, remote);
  std::error_code error;
  if (!source || !fs::exists(*source, error))
    return refuse("adb: error: failed to stat remote object '" + remoteArg + "': No such file or directory\n", 1);
  fs::path target(local);
  if (fs::is_directory(target, error)) target /= fs::path(remote).filename();
  long files = 0;
  std::uintmax_t bytes = 0;
  std::string failed;
  if (!fs::is_directory(*source)) {
    if (!copyOne(*source, target, bytes, failed)) return refuse(failed, 1);
    writeAll(1, pulledLine(remoteArg, 1, bytes));
    return 0;
  }
  fs::create_directories(target, error);
  if (error) return refuse("adb: error: cannot create '" + target.string() + "': " + error.message() + "\n", 1);
  for (const auto& entry : fs::recursive_directory_iterator(*source)) {
    const fs::path to = target / fs::relative(entry.path(), *source);
    if (entry.is_directory()) fs::create_directories(to, error);
    else if (copyOne(entry.path(), to, bytes, failed)) ++files;
    else return refuse(failed, 1);
  }
  writeAll(1, pulledLine(remote + "/", files, bytes));
  return 0;
}

// Like adb: a folder pushed onto an existing folder (or a path ending in '/') lands inside it
// under its own name, merged with what is there.
int devicePushFolder(const Call& call, const std::string& localArg, const std::string& remote) {
  const fs::path local(strip(localArg));
  auto target = mapRemote(call, strip(remote));
  const std::string refused = "adb: error: failed to copy '" + localArg + "' to '" + remote + "': remote Permission denied\n";
  if (!target) return refuse(refused, 1);
  std::error_code error;
  if (remote.ends_with('/') || fs::is_directory(*target, error)) target = *target / local.filename();
  fs::create_directories(*target, error);
  long files = 0;
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(local)) {
    const fs::path to = *target / fs::relative(entry.path(), local);
    if (entry.is_directory()) fs::create_directories(to, error);
    else if (fs::copy_file(entry.path(), to, fs::copy_options::overwrite_existing, error)) {
      ++files;
      bytes += entry.file_size();
    }
    if (error) return refuse(refused, 1);
  }
  writeAll(1, strip(localArg) + "/: " + std::to_string(files) + (files == 1 ? " file" : " files") +
                  " pushed, 0 skipped. 12.3 MB/s (" + std::to_string(bytes) + " bytes in 0.001s)\n");
  return 0;
}

// <folder>/device/runtime_permissions/<package>: one "<permission> true|false" line each.
fs::path permissionFile(const Call& call, const std::string& package) {
  return fs::path(call.folder) / "device/runtime_permissions" / package;
}

std::vector<std::pair<std::string, std::string>> readPermissions(const fs::path& file) {
  std::vector<std::pair<std::string, std::string>> permissions;
  std::ifstream in(file);
  for (std::string name, value; in >> name >> value;) permissions.emplace_back(name, value);
  return permissions;
}

int deviceDumpsys(const Call& call, const std::string& package) {
  const fs::path file = permissionFile(call, package);
  if (package.find('/') != std::string::npos || !fs::is_regular_file(file)) return 0;
  std::string out = "Packages:\n  Package [" + package + "] (1a2b3c):\n    userId=10123\n"
                    "    versionCode=1 minSdk=29 targetSdk=32\n    versionName=1.0\n"
                    "    install permissions:\n      android.permission.INTERNET: granted=true\n"
                    "    User 0: ceDataInode=4321 installed=true hidden=false suspended=false stopped=false\n"
                    "      runtime permissions:\n";
  for (const auto& [name, value] : readPermissions(file))
    out += "        " + name + ": granted=" + value + ", flags=[ USER_SET ]\n";
  writeAll(1, out);
  return 0;
}

int devicePermission(const Call& call, const std::string& verb, const std::string& rest) {
  std::istringstream words(rest);
  std::string package, permission;
  words >> package >> permission;
  const fs::path file = permissionFile(call, package);
  auto permissions = readPermissions(file);
  auto known = std::find_if(permissions.begin(), permissions.end(), [&](const auto& p) { return p.first == permission; });
  const std::string failure = "Exception occurred while executing '" + verb + "':\njava.lang.IllegalArgumentException: ";
  if (package.find('/') != std::string::npos || !fs::is_regular_file(file))
    return refuse(failure + "Unknown package: " + package + "\n", 255);
  if (known == permissions.end()) return refuse(failure + "Unknown permission: " + permission + "\n", 255);
  known->second = verb == "grant" ? "true" : "false";
  std::ofstream out(file, std::ios::trunc);
  for (const auto& [name, value] : permissions) out << name << ' ' << value << '\n';
  return 0;
}

int playDevice(const Call& call) {
  const auto& args = call.args;
  if (args.size() == 3 && args[0] == "push")
    return fs::is_directory(args[1]) ? devicePushFolder(call, args[1], args[2]) : devicePush(call, args[1], args[2]);
  if (args.size() == 3 && args[0] == "pull") return devicePull(call, args[1], args[2]);
  if (args.empty() || args[0] != "shell") return 0;
  // The shell command may come as one argument or as several; both read the same.
  std::string command;
  for (size_t i = 1; i < args.size(); ++i) command += (i > 1 ? " " : "") + args[i];
  if (command == "echo $EXTERNAL_STORAGE") {
    writeAll(1, "/sdcard\r\n");
    return 0;
  }
  if (command.starts_with("ls -Ral ")) return deviceLs(call, unquote(command.substr(8)));
  if (command.starts_with("rm -r ")) return deviceRm(call, unquote(command.substr(6)));
  if (command.starts_with("dumpsys package ")) return deviceDumpsys(call, command.substr(16));
  if (command.starts_with("pm grant ")) return devicePermission(call, "grant", command.substr(9));
  if (command.starts_with("pm revoke ")) return devicePermission(call, "revoke", command.substr(10));
  return 0;
}

}  // namespace

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
