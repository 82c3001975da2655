#pragma once
#include <QString>

// Entries larger than this (uncompressed) are refused: an icon is a few kilobytes, and a crafted
// APK could otherwise fill the program's folder while the window hangs.
inline constexpr qint64 kMaxIconEntryBytes = 16 * 1024 * 1024;

// Copies one entry of a zip file (an APK, read under its own name) into a folder under the
// entry's file name. The entry path may use "\" or "/". False when the archive or the entry
// cannot be read, the entry is larger than kMaxIconEntryBytes, or the file cannot be written.
bool CopyZipEntry(const QString& zipPath, const QString& entryPath, const QString& folder);
