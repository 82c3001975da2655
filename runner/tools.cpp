#include "runner/tools.h"

#include <QCoreApplication>

#include "runner/dos_outputs.h"
#include "runner/text_paths.h"

namespace tools {
namespace {

QString InFolder(const QString& name) { return JoinPath(ProgramFolder(), name); }

}  // namespace

Seam<QString>& ProgramFolderSeam() {
  static Seam<QString> seam;
  return seam;
}

QString ProgramFolder() {
  if (!ProgramFolderSeam().Get().isEmpty()) return ProgramFolderSeam().Get();
  return QCoreApplication::applicationDirPath();
}

QString AdbPath() { return InFolder(QStringLiteral("adb")); }
QString AaptPath() { return InFolder(QStringLiteral("aapt")); }
QString AaptArmPiePath() { return InFolder(QStringLiteral("aapt-arm-pie")); }

QString AdbCommand(const QString& arguments) { return QuoteLocalPath(AdbPath()) + arguments; }
QString AaptCommand(const QString& arguments) { return QuoteLocalPath(AaptPath()) + arguments; }

QString RunAdb(DOSOutputs& runner, const QString& arguments) {
  runner.CommandLine(AdbCommand(arguments));
  return runner.ExecuteCommand();
}

}  // namespace tools
