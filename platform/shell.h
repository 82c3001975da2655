#pragma once
#include <QString>
#include <functional>

namespace platform {
// Opens a web address or a folder in the desktop's default program; tests replace the opener.
bool OpenUrl(const QString& address);
void SetUrlOpener(std::function<bool(const QString&)> opener);
}  // namespace platform
