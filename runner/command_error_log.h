#pragma once
#include <QString>
#include <functional>

#include "platform/seam.h"

// Where every runner writes the block about a command it could not start: the main window's
// log, whichever window owns the runner. The main window sets it for as long as it lives.
using CommandErrorSink = std::function<void(const QString& block)>;
Seam<CommandErrorSink>& CommandErrorSeam();
void WriteCommandError(const QString& commandLine);
// The whole report of a command that was not started: the block in the log, then the box.
void ReportCommandNotStarted(const QString& commandLine);
