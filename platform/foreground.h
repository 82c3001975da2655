#pragma once
#include <functional>

#include "platform/seam.h"

class QWidget;

namespace platform {
// Whether the window is the desktop's foreground window; tests set their own answer.
bool IsForegroundWindow(const QWidget* window);
Seam<std::function<bool(const QWidget*)>>& ForegroundSeam();
}  // namespace platform
