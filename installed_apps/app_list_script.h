#pragma once
// The shell script that lists the headset's user-installed apps: it pushes aapt-arm-pie, measures
// every app with du on the device, and prints one block of marker lines per app.

#include <QString>

// The whole script, for the adb and aapt-arm-pie in the program's folder.
QString AppListScript();

// "<temporary folder>/morvell.sh".
QString AppListScriptPath();

// Creates the file new (never through a link or over a file planted under that name), executable
// by its owner only, and writes the text. False when the file could not be created or written;
// a file that was created is then removed again.
bool WriteAppListScript(const QString& path, const QString& text);
