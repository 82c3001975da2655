#pragma once
#include <QString>

namespace platform {

// Writes one value of the program's file-manager verb, addressed as "HKCR\*\shell\<verb>\<value>"
// ("...\Command\" is the verb's command, "...\AppliesTo" the file type, "...\Icon" the icon).
// On this desktop the verb is a desktop entry in $XDG_DATA_HOME/applications that offers the
// program for APK files. False when the path is not such a value or the entry cannot be written.
bool RegWrite(const QString& path, const QString& value, const QString& type = QStringLiteral("REG_SZ"));

// The folder that holds the desktop entries.
QString ApplicationsFolder();

}  // namespace platform
