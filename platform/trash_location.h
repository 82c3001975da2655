#pragma once
#include <QString>

namespace platform {
// Whether a path that the trash reported is an entry of a desktop trash of the user with this
// numeric id: <trash>/files/<name>, the trash being a folder named "Trash" (the home trash),
// ".Trash-<uid>" or "<uid>" inside ".Trash" (the trash at the top of another drive). A relative
// path never is: that is where Qt 6.4 puts an item when it could establish no trash at all.
bool IsInTrashFolder(const QString& path, const QString& uid);
}  // namespace platform
