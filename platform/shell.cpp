#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

Seam<std::function<bool(const QString&)>>& UrlOpenerSeam() {
  static Seam<std::function<bool(const QString&)>> seam;
  return seam;
}

bool OpenUrl(const QString& address) {
  if (const auto& opener = UrlOpenerSeam().Get()) return opener(address);
  return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}  // namespace platform
