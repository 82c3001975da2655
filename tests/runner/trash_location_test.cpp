#include "platform/trash_location.h"
#include "support/gtest_qt.h"

// Only <trash>/files/<name> of this user's home trash or drive trash counts; Qt's fallback into
// files/ under the working folder, another user's trash and look-alikes do not.
TEST(TrashLocation, OnlyAnEntryOfThisUsersTrashCounts) {
  const std::pair<QString, bool> cases[] = {
      {"/home/u/.local/share/Trash/files/com.x", true},   {"/media/s/.Trash-1000/files/com.x (new)", true},
      {"/media/s/.Trash/1000/files/com.x", true},         {"u/.local/share/Trash/files/com.x", false},
      {"/home/u/files/com.x", false},                     {"/home/u/Trash/info/com.x", false},
      {"/home/u/Trash/files/a/com.x", false},             {"/home/u/Trash/files/../com.x", false},
      {"/home/u/trash/files/com.x", false},               {"/media/s/.Trash-1001/files/com.x", false},
      {"/media/s/.Trash-10000/files/com.x", false},       {"/media/s/.Trash/1001/files/com.x", false},
      {"/media/s/.Trash/files/com.x", false},             {"/media/s/1000/files/com.x", false},
  };
  for (const auto& [path, trashed] : cases)
    EXPECT_EQ(platform::IsInTrashFolder(path, "1000"), trashed) << path.toStdString();
}
