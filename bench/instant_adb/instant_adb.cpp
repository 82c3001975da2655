// An adb that answers the app-list script at once, for a headset holding as many apps as the
// number in the file "apps" beside it: com.bench.app0000 and on.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

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
  std::string command;
  for (int i = 1; i < argc; ++i) command += std::string(i > 1 ? " " : "") + argv[i];

  if (command == "shell pm list packages -3 |wc -l") {
    std::printf("%d\n", apps);
  } else if (command.starts_with("push ")) {
    std::printf("aapt-arm-pie: 1 file pushed, 0 skipped. 38.2 MB/s (1436300 bytes in 0.036s)\n");
  } else if (command.starts_with("shell pm list package -f")) {
    for (int i = 0; i < apps; ++i)
      std::printf("com.bench.app%04d %d.5 %d.0 0.5 0.0\n", i, i % 50, i % 50);
  } else if (command.starts_with("shell pm path ")) {
    std::printf("package:/data/app/%s/base.apk\n", PackageAfter(command, "pm path ").c_str());
  } else if (command.starts_with("shell /data/local/tmp/aapt-arm-pie")) {
    const std::string package = PackageAfter(command, "/data/app/");
    std::printf("package: name='%s' versionCode='12' versionName='1.2.3'\nsdkVersion:'29'\n"
                "application-label:'Bench %s'\napplication: label='Bench %s' icon='res/icon.png'\n",
                package.c_str(), package.c_str() + 10, package.c_str() + 10);
  } else if (command.starts_with("shell dumpsys package ")) {
    std::printf("versionCode: 12 minSdk: 29 targetSdk: 32\nversionName: 1.2.3\n");
  }
  return 0;
}
