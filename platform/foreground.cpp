#include "platform/foreground.h"

#include <QApplication>
#include <QWidget>

namespace platform {

Seam<std::function<bool(const QWidget*)>>& ForegroundSeam() {
  static Seam<std::function<bool(const QWidget*)>> seam;
  return seam;
}

bool IsForegroundWindow(const QWidget* window) {
  if (const auto& probe = ForegroundSeam().Get()) return probe(window);
  return window && QApplication::activeWindow() == window->window();
}

}  // namespace platform
