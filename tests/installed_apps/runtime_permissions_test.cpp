#include "installed_apps/runtime_permissions.h"
#include "runner/module1.h"
#include "support/gtest_qt.h"

namespace {
using Found = std::vector<std::pair<QString, bool>>;
Found Parse(const QString& output) {
  Found found;
  for (const auto& p : ParseRuntimePermissions(output)) found.emplace_back(p.name, p.granted);
  return found;
}
}  // namespace

// Only the first user's list counts, up to its first line without a state. LF-only output, as
// newer adb prints it, reads like CR LF.
TEST(RuntimePermissions, ListingRules) {
  const QString output = "install permissions:\r\n  android.permission.I: granted=true\r\n"
                         "User 0: ceDataInode=1 installed=true\r\n"
                         "  runtime permissions:\r\n"
                         "    android.permission.A: granted=true, flags=[ USER_SET ]\r\n"
                         "    android.permission.B:granted=true\r\n"
                         "    com.oculus.permission.HAND_TRACKING: granted=true\r\n"
                         "    android.permission.C: granted=false\r\n"
                         "User 10: ceDataInode=2 installed=true\r\n"
                         "  runtime permissions:\r\n"
                         "    android.permission.A: granted=false\r\n"
                         "    android.permission.E: granted=true\r\n"
                         "requested permissions:\r\n"
                         "  android.permission.A\r\n";
  const Found expected = {{"android.permission.A", true}, {"android.permission.B", true}, {"android.permission.C", false}};
  EXPECT_EQ(Parse(output), expected);
  EXPECT_EQ(Parse(QString(output).replace("\r\n", "\n")), expected);
  EXPECT_TRUE(Parse("android.permission.X: granted=true\nno marker").empty());
  const Found beforeAStatelessLine = {{"android.permission.A", true}};
  EXPECT_EQ(Parse("runtime permissions:\n android.permission.A: granted=true\n 123456789t android.permission\n"
                  " android.permission.D: granted=true\n"),
            beforeAStatelessLine);
}

TEST(RuntimePermissions, HandOverCountsAllAndStoresNinetyNine) {
  Module1::ResetSharedState();
  std::vector<RuntimePermission> many;
  for (int k = 1; k <= 120; ++k) many.push_back({"p" + QString::number(k), k % 2 == 1});
  HandOverPermissions(many);
  EXPECT_EQ(Module1::PermCount, 120);
  EXPECT_EQ(Module1::PermNames[1] + Module1::PermGranted[1], "p11");
  EXPECT_EQ(Module1::PermNames[2] + Module1::PermGranted[2], "p20");
  EXPECT_EQ(Module1::PermNames[99], "p99");
  Module1::ResetSharedState();
}
