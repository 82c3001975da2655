#pragma once
// Where the backups read and write, on the headset and on the PC (local paths use '/').

#include <QString>

QString ObbFolderOnDevice(const QString& package);   // /sdcard/Android/obb/<package>
QString DataFolderOnDevice(const QString& package);  // /sdcard/Android/data/<package>

// The APK's path on the headset from `pm path <package>`: the text after "package:", cleaned.
// An app installed as several APKs prints one "package:" line each; its base APK is taken.
// Empty when the output does not start with "package:" or names no absolute path.
QString DevicePathFromPmPath(const QString& output);

// The folder that holds a data backup: the chosen folder with every "/<package>" removed, so
// that choosing the backup folder itself or the folder around it lead to the same place.
QString RestoreParent(const QString& chosenFolder, const QString& package);
