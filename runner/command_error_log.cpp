#include "runner/command_error_log.h"

Seam<CommandErrorSink>& CommandErrorSeam() {
  static Seam<CommandErrorSink> seam;
  return seam;
}

void WriteCommandError(const QString& commandLine) {
  if (const auto& sink = CommandErrorSeam().Get())
    sink(QStringLiteral("\r\nCommand Error: \r\n") + commandLine + QStringLiteral("\r\n\r\n"));
}
