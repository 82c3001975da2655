#pragma once
#include <QString>

// The path an APK backup is written to: the confirmed name with ".apk" added unless its last
// four characters already read ".apk" in any letter case.
QString WithApkExtension(const QString& confirmed);
