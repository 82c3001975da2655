#include <QLabel>

#include "main_window/disk_space.h"
#include "main_window/morvell.h"
#include "runner/text_paths.h"
#include "runner/tools.h"

QString morvell::RunAdb(const QString& arguments) { return tools::RunAdb(*objDOS, arguments); }

QString morvell::EchoStorage() { return RunAdb(QStringLiteral(" shell echo $EXTERNAL_STORAGE")); }

namespace {
const QString kObbFolder = QStringLiteral("/Android/obb/");
}  // namespace

QString morvell::RunOnStorage(const QString& storageEcho,
                              const std::function<QString(const QString& storagePath)>& arguments) {
  const QString storagePath = DeviceStoragePath(storageEcho);
  // Without a path the line cannot be formed, and the runner runs its last line (the echo) again.
  return storagePath.isEmpty() ? objDOS->ExecuteCommand() : RunAdb(arguments(storagePath));
}

QString morvell::RunOnObbFolder(const QString& storageEcho,
                                const std::function<QString(const QString& obbFolder)>& arguments) {
  if (!IsPackageName(Label2->text())) return QString();
  return RunOnStorage(storageEcho, [&](const QString& storagePath) { return arguments(storagePath + kObbFolder + Label2->text()); });
}

void morvell::LogObbFolderRemoval() {
  LogLine(QStringLiteral("删除设备上存在的文件夹：                               ") + kObbFolder + Label2->text());
}
