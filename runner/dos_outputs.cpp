#include "runner/dos_outputs.h"

#include "platform/dialogs.h"
#include "platform/process.h"
#include "runner/command_error_log.h"
#include "runner/tools.h"
#include "runner/utf8_chunk_decoder.h"

namespace {
constexpr unsigned long kReadSize = 256;
}

void DOSOutputs::Raise(const QString& chunk) {
  mOutputs += chunk;
  if (ReceiveOutputs) {
    QString copy = chunk;
    ReceiveOutputs(copy);
  }
}

QString DOSOutputs::ExecuteCommand(const QString& CommandLine) {
  if (!CommandLine.isEmpty()) mCommandLine = CommandLine;
  if (mCommandLine.isEmpty()) {
    platform::MsgBox(QStringLiteral("Command Line empty"), platform::vbCritical);
    return {};
  }

  auto started = platform::StartProcess(mCommandLine.toStdString(), tools::ProgramFolder().toStdString());
  using Failure = platform::StartResult::Failure;
  if (started.failure == Failure::Pipe) {
    platform::MsgBox(QStringLiteral("CreatePipe failed. Error: ") + QString::number(started.error),
                     platform::vbCritical);
    return {};
  }
  if (started.failure == Failure::Process) {
    ReportCommandNotStarted(mCommandLine);
    return {};
  }

  mOutputs.clear();
  Utf8ChunkDecoder decoder;
  char buffer[kReadSize];
  QString chunk;
  while (true) {
    long n = platform::ReadOutput(started.process.outputFd, buffer, kReadSize);
    if (n <= 0) break;
    decoder.DecodeInto(buffer, n, chunk);
    // Only the end may raise an empty chunk (handlers take it for the end): a read whose bytes
    // all wait for the rest of their character raises nothing, and they come with the next.
    if (!chunk.isEmpty()) Raise(chunk);
  }
  // A sequence cut off by the end of the output still reaches the owner, before the one
  // empty chunk that marks the end.
  if (QString rest = decoder.Finish(); !rest.isEmpty()) Raise(rest);
  Raise(QString());
  platform::FinishProcess(started.process);
  return mOutputs;
}
