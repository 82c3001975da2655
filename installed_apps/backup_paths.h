#pragma once
// Where the backups read and write, on the headset and on the PC (local paths use '/').

#include <QString>

QString ObbFolderOnDevice(const QString& package);   // /sdcard/Android/obb/<package>
QString DataFolderOnDevice(const QString& package);  // /sdcard/Android/data/<package>

// The APK's path on the headset from `pm path <package>`: the text after "package:", cleaned.
// An app installed as several APKs prints one "package:" line each; its base APK is taken.
// Empty when the output does not start with "package:" or names no absolute path.
QString DevicePathFromPmPath(const QString& output);

// The data backup that a restore pushes, from the folder the user chose: the <package> folder
// inside it, or, when there is none, the chosen folder itself if it is named as the package.
// Empty when neither is a folder. Its name is always the package's, so that adb puts it into
// the app's own folder on the headset and never into <package>/<package>.
QString RestoreSource(const QString& chosenFolder, const QString& package);
