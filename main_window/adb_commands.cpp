#include <QLabel>

#include "main_window/disk_space.h"
#include "main_window/morvell.h"
#include "runner/tools.h"

QString morvell::RunAdb(const QString& arguments) {
  objDOS->CommandLine(tools::AdbCommand(arguments));
  return objDOS->ExecuteCommand();
}

QString morvell::EchoStorage() { return RunAdb(QStringLiteral(" shell echo $EXTERNAL_STORAGE")); }

QString morvell::RunOnObbFolder(const QString& storageEcho,
                                const std::function<QString(const QString& obbFolder)>& arguments) {
  const QString storagePath = DeviceStoragePath(storageEcho);
  if (!storagePath.isEmpty())
    objDOS->CommandLine(tools::AdbCommand(arguments(storagePath + QStringLiteral("/Android/obb/") + Label2->text())));
  return objDOS->ExecuteCommand();
}
