// An adb that answers the app-list script at once, for a headset holding as many apps as the
// number in the file "apps" beside it: com.bench.app0000 and on, every fifth with a Chinese
// label, the eighth with a long version name. A number of milliseconds in the file "delay"
// beside it slows each app's pm path, so that a loading window can be watched.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::string FolderOf(const char* program) {
  std::string path = program;
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The package name in "pm path P", "dumpsys package P | ..." or a code path /data/app/P/base.apk.
std::string PackageAfter(const std::string& text, const std::string& prefix) {
  const auto start = text.find(prefix);
  if (start == std::string::npos) return {};
  const auto begin = start + prefix.size();
  return text.substr(begin, text.find_first_of(" /", begin) - begin);
}

}  // namespace

int main(int argc, char** argv) {
  std::ifstream countFile(FolderOf(argv[0]) + "/apps");
  int apps = 0;
  countFile >> apps;
  std::ifstream delayFile(FolderOf(argv[0]) + "/delay");
  int delayMs = 0;
  delayFile >> delayMs;
  std::string command;
  for (int i = 1; i < argc; ++i) command += std::string(i > 1 ? " " : "") + argv[i];

  if (command == "devices") {
    std::printf("List of devices attached\n1WMHH0000000\tdevice\n\n");
  } else if (command == "shell pm list packages -3 |wc -l") {
    std::printf("%d\n", apps);
  } else if (command.starts_with("push ")) {
    std::printf("aapt-arm-pie: 1 file pushed, 0 skipped. 38.2 MB/s (1436300 bytes in 0.036s)\n");
  } else if (command.starts_with("shell pm list package -f")) {
    for (int i = 0; i < apps; ++i)
      std::printf("com.bench.app%04d %d.5 %d.0 0.5 0.0\n", i, i % 50, i % 50);
  } else if (command.starts_with("shell pm path ")) {
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    std::printf("package:/data/app/%s/base.apk\n", PackageAfter(command, "pm path ").c_str());
  } else if (command.starts_with("shell /data/local/tmp/aapt-arm-pie")) {
    const std::string package = PackageAfter(command, "/data/app/");
    const int number = std::atoi(package.c_str() + 13);
    const std::string label = (number % 5 == 0 ? "星际探索 " : "Bench ") + package.substr(10);
    std::printf("package: name='%s' versionCode='12' versionName='1.2.3'\nsdkVersion:'29'\n"
                "application-label:'%s'\napplication: label='%s' icon='res/icon.png'\n",
                package.c_str(), label.c_str(), label.c_str());
  } else if (command.starts_with("shell dumpsys package ")) {
    const int number = std::atoi(PackageAfter(command, "dumpsys package ").c_str() + 13);
    std::printf("versionCode: %d minSdk: 29 targetSdk: 32\nversionName: %s\n", 12 + number,
                number == 7 ? "2.0.1-build.20261208.release-candidate-with-a-long-suffix" : "1.2.3");
  }
  return 0;
}
