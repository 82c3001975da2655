#pragma once
#include <functional>

class QWidget;

namespace platform {
// Whether the window is the desktop's foreground window; tests set their own answer.
bool IsForegroundWindow(const QWidget* window);
void SetForegroundProbe(std::function<bool(const QWidget*)> probe);
}  // namespace platform
