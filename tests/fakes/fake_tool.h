#pragma once
// What the fake tool's parts share: the call it answers and its output helpers.
#include <optional>
#include <string>
#include <vector>

namespace fake {

struct Call {
  std::string folder;  // dirname(argv[0]) as given: tests run the fake through a symlink
  std::string tool;
  std::vector<std::string> args;
  std::string joined;
};

void writeAll(int fd, const std::string& data);
std::optional<std::string> readFile(const std::string& path);

// Answers a call that no scenario rule took, as the headset in <folder>/device would.
int playDevice(const Call& call);

}  // namespace fake
