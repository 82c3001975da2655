#pragma once
#include <QString>
#include <functional>

#include "platform/seam.h"

namespace platform {
// Opens a web address or a folder in the desktop's default program; tests replace the opener.
bool OpenUrl(const QString& address);
Seam<std::function<bool(const QString&)>>& UrlOpenerSeam();
}  // namespace platform
