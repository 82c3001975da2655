#pragma once
#include <QString>

namespace platform {
// Moves a file or folder into the desktop's trash. True only when it arrived in a trash folder;
// otherwise it is put back where it was, or, should even that fail, *strayedTo names where it is.
bool MoveToTrash(const QString& path, QString* strayedTo);
}  // namespace platform
