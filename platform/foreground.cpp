#include "platform/foreground.h"

#include <QApplication>
#include <QWidget>

namespace platform {
namespace {
std::function<bool(const QWidget*)>& Probe() {
  static std::function<bool(const QWidget*)> probe;
  return probe;
}
}  // namespace

bool IsForegroundWindow(const QWidget* window) {
  if (Probe()) return Probe()(window);
  return window && QApplication::activeWindow() == window->window();
}

void SetForegroundProbe(std::function<bool(const QWidget*)> probe) { Probe() = std::move(probe); }
}  // namespace platform
