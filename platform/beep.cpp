#include "platform/beep.h"

#include <QApplication>

namespace platform {

Seam<std::function<void()>>& BeepSeam() {
  static Seam<std::function<void()>> seam;
  return seam;
}

void Beep() {
  if (const auto& handler = BeepSeam().Get()) handler();
  else QApplication::beep();
}

}  // namespace platform
