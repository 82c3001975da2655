#pragma once
#include <QString>

// The path an APK backup is written to: the confirmed name with ".apk" added unless its last
// four characters already read ".apk" in any letter case.
QString WithApkExtension(const QString& confirmed);

// The name the save dialog proposes: the package name, with ".apk" added when the package name
// itself ends in it (org.foo.apk), so that confirming it never names the OBB folder's path.
QString ProposedApkName(const QString& package);

// The APK would be saved where the APK + OBB backup puts the package's OBB folder. Letter case
// is ignored: on a drive that ignores it the two names are one path.
bool IsObbFolderPath(const QString& savePath, const QString& package);
