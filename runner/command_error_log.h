#pragma once
#include <QString>
#include <functional>

#include "platform/seam.h"

// Where every runner writes the block about a command it could not start: the main window's
// log, whichever window owns the runner. The main window registers itself at load.
using CommandErrorSink = std::function<void(const QString& block)>;
Seam<CommandErrorSink>& CommandErrorSeam();
inline void SetCommandErrorSink(CommandErrorSink sink) { CommandErrorSeam().Set(std::move(sink)); }
void WriteCommandError(const QString& commandLine);
// The whole report of a command that was not started: the block in the log, then the box.
void ReportCommandNotStarted(const QString& commandLine);
