#pragma once
#include <QString>
#include <functional>

// Runs one command line as a hidden child process and captures its standard output and
// standard error together, chunk by chunk and whole. The run blocks until the output ends.
class DOSOutputs {
 public:
  QString CommandLine() const { return mCommandLine; }
  void CommandLine(const QString& DOSCommand) { mCommandLine = DOSCommand; }
  QString Outputs() const { return mOutputs; }

  // A non-empty argument replaces the stored command line first. Returns the whole output,
  // or an empty text when nothing could be started.
  QString ExecuteCommand(const QString& CommandLine = QString());

  // Raised after every read that completes a character, with that read's text (at most 256
  // bytes of output), and once more with an empty text when the output has ended.
  std::function<void(QString& CommandOutputs)> ReceiveOutputs;

 private:
  void Raise(const QString& chunk);

  QString mCommandLine;
  QString mOutputs;
};
