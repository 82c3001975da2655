#include <gtest/gtest.h>

#include "installed_apps/runtime_permissions.h"
#include "runner/module1.h"

namespace {

QString Dumpsys(const QString& lineEnd) {
  return QStringList{"Packages:", "    install permissions:", "      android.permission.INTERNET: granted=true",
                     "    User 0: installed=true", "      runtime permissions:",
                     "        android.permission.CAMERA: granted=true, flags=[ USER_SET ]",
                     "        android.permission.RECORD_AUDIO: granted=false",
                     "        com.oculus.permission.HAND_TRACKING: granted=true",
                     "        android.permission.READ_EXTERNAL_STORAGE: granted=true", ""}
      .join(lineEnd);
}

std::vector<std::pair<QString, bool>> Named(const std::vector<RuntimePermission>& found) {
  std::vector<std::pair<QString, bool>> named;
  for (const auto& p : found) named.emplace_back(p.name.value_or("<none>"), p.granted);
  return named;
}

}  // namespace

TEST(RuntimePermissions, ReadsOnlyAndroidPermissionLinesAfterTheMarkerWithEitherLineEnd) {
  const std::vector<std::pair<QString, bool>> expected = {{"android.permission.CAMERA", true},
                                                          {"android.permission.RECORD_AUDIO", false},
                                                          {"android.permission.READ_EXTERNAL_STORAGE", true}};
  EXPECT_EQ(Named(ParseRuntimePermissions(Dumpsys("\r\n"))), expected);
  EXPECT_EQ(Named(ParseRuntimePermissions(Dumpsys("\n"))), expected);
  EXPECT_TRUE(ParseRuntimePermissions("").empty());
  EXPECT_TRUE(ParseRuntimePermissions("install permissions:\r\n  android.permission.X: granted=true\r\n").empty());
}

TEST(RuntimePermissions, FlagIsTheLetterTenPlacesAfterTheColonAndASecondMarkerRepeats) {
  const QString output = "runtime permissions:\r\n"
                         "  android.permission.A: granted=true\r\n"
                         "  android.permission.B:granted=true\r\n"   // the tenth place after the colon is '='
                         "  android.permission.C: granted=True\r\n"
                         "  xandroid.permission.D t\r\n"             // no colon: the tenth character
                         "runtime permissions:\r\n"
                         "  android.permission.E: granted=true";
  const std::vector<std::pair<QString, bool>> expected = {
      {"android.permission.A", true}, {"android.permission.B", false}, {"android.permission.C", false},
      {"<none>", false},              {"android.permission.E", true},  {"android.permission.E", true}};
  EXPECT_EQ(Named(ParseRuntimePermissions(output)), expected);
  EXPECT_TRUE(ParseRuntimePermissions("runtime permissions:\nandroid.permissio: t").empty());
  EXPECT_FALSE(ParseRuntimePermissions("runtime permissions:\nandroid.permission.XYZ").front().name.has_value());
  EXPECT_TRUE(ParseRuntimePermissions("runtime permissions:\n123456789t android.permission").front().granted);
}

TEST(RuntimePermissions, HandOverCountsAllStoresNinetyNineAndKeepsNamesOfNamelessLines) {
  Module1::ResetSharedState();
  Module1::PermNames.Set(2, "earlier");
  std::vector<RuntimePermission> many;
  for (int k = 1; k <= 120; ++k)
    many.push_back({k == 2 ? std::nullopt : std::optional<QString>("p" + QString::number(k)), k % 2 == 1});
  HandOverPermissions(many);
  EXPECT_EQ(Module1::PermCount, 120);
  EXPECT_EQ(Module1::PermNames[1], "p1");
  EXPECT_EQ(Module1::PermGranted[1], "1");
  EXPECT_EQ(Module1::PermNames[2], "earlier");
  EXPECT_EQ(Module1::PermGranted[2], "0");
  EXPECT_EQ(Module1::PermNames[99], "p99");
  EXPECT_EQ(Module1::PermNames[100], "");
  Module1::ResetSharedState();
}
