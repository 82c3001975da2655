#pragma once
#include <QString>

#include "platform/seam.h"

class DOSOutputs;

// The Android tools lie in the program's own folder; every command line that runs one is built
// here: the quoted tool path, then an argument string that opens with a blank.
namespace tools {

QString ProgramFolder();                 // the running executable's folder unless the seam is set
Seam<QString>& ProgramFolderSeam();      // empty text: the executable's folder

QString AdbPath();
QString AaptPath();
QString AaptArmPiePath();

QString AdbCommand(const QString& arguments);   // AdbCommand(" devices")
QString AaptCommand(const QString& arguments);  // AaptCommand(" d badging \"...\"")

// Sets the runner's command line to adb with these arguments and runs it; returns the output.
QString RunAdb(DOSOutputs& runner, const QString& arguments);

}  // namespace tools
