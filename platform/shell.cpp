#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
std::function<bool(const QString&)>& Opener() {
  static std::function<bool(const QString&)> opener;
  return opener;
}
}  // namespace

bool OpenUrl(const QString& address) {
  if (Opener()) return Opener()(address);
  return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void SetUrlOpener(std::function<bool(const QString&)> opener) { Opener() = std::move(opener); }
}  // namespace platform
