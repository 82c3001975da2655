// The fake adb's device mode: <folder>/device/sdcard plays the headset's /sdcard, and
// <folder>/device/runtime_permissions its packages' runtime permissions.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fake_tool.h"

namespace fs = std::filesystem;

namespace fake {
namespace {

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

// adb's summary of a transfer.
std::string transferLine(const std::string& shown, const std::string& verb, long files, std::uintmax_t bytes) {
  return shown + ": " + std::to_string(files) + (files == 1 ? " file " : " files ") + verb +
         ", 0 skipped. 12.3 MB/s (" + std::to_string(bytes) + " bytes in 0.001s)\n";
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
  writeAll(1, transferLine(local, "pushed", 1, content->size()));
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

// Copies the folder's files under `to`, merged with what is there; stops at the first file that
// cannot be written.
bool copyTree(const fs::path& from, const fs::path& to, long& files, std::uintmax_t& bytes, std::string& failed) {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(from)) {
    const fs::path target = to / fs::relative(entry.path(), from);
    if (entry.is_directory()) fs::create_directories(target, error);
    else if (copyOne(entry.path(), target, bytes, failed)) ++files;
    else return false;
  }
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
    writeAll(1, transferLine(remoteArg, "pulled", 1, bytes));
    return 0;
  }
  fs::create_directories(target, error);
  if (error) return refuse("adb: error: cannot create '" + target.string() + "': " + error.message() + "\n", 1);
  if (!copyTree(*source, target, files, bytes, failed)) return refuse(failed, 1);
  writeAll(1, transferLine(remote + "/", "pulled", files, bytes));
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
  std::string failed;
  if (!copyTree(local, *target, files, bytes, failed)) return refuse(refused, 1);
  writeAll(1, transferLine(strip(localArg) + "/", "pushed", files, bytes));
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

}  // namespace

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

}  // namespace fake
