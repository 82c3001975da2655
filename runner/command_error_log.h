#pragma once
#include <QString>
#include <functional>

// Where every runner writes the block about a command it could not start: the main window's
// log, whichever window owns the runner. The main window registers itself at load.
using CommandErrorSink = std::function<void(const QString& block)>;
void SetCommandErrorSink(CommandErrorSink sink);
void WriteCommandError(const QString& commandLine);
