#include "runner/command_error_log.h"

namespace {
CommandErrorSink& Sink() {
  static CommandErrorSink sink;
  return sink;
}
}  // namespace

void SetCommandErrorSink(CommandErrorSink sink) { Sink() = std::move(sink); }

void WriteCommandError(const QString& commandLine) {
  if (Sink()) Sink()(QStringLiteral("\r\nCommand Error: \r\n") + commandLine + QStringLiteral("\r\n\r\n"));
}
