#include "runner/command_error_log.h"

#include "platform/dialogs.h"

Seam<CommandErrorSink>& CommandErrorSeam() {
  static Seam<CommandErrorSink> seam;
  return seam;
}

void WriteCommandError(const QString& commandLine) {
  if (const auto& sink = CommandErrorSeam().Get())
    sink(QStringLiteral("\r\nCommand Error: \r\n") + commandLine + QStringLiteral("\r\n\r\n"));
}

void ReportCommandNotStarted(const QString& commandLine) {
  WriteCommandError(commandLine);
  platform::MsgBox(QStringLiteral(" File or command not found\r\n") + commandLine, platform::vbCritical);
}
