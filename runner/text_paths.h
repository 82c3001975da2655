#pragma once
// Pure text and path helpers shared by every window: no window, no process.

#include <QString>

// The part after the last '\' or '/'; the whole text when it holds neither.
QString GetFileName(const QString& path);
// Everything up to and including the last '/'; empty when there is none.
QString GetFolderPath(const QString& path);
// The name inside the folder, with one '/' between them whether or not the folder ends in one.
QString JoinPath(const QString& folder, const QString& name);
bool FolderExists(const QString& sFolder);

// Removes leading and trailing blanks only; line ends stay.
QString TrimBlanks(const QString& text);
// The decimal digits of the text, in order, everything else dropped.
QString DigitsOnly(const QString& text);
// Removes codes 0-32, 127 and the five unassigned Windows-1252 positions (129, 141, 143, 144, 157)
// wherever they stand, so a grid cell with padding or line ends gives the bare package name.
QString CTrim(QString S1);

// Whether the text is an Android package name: dot-separated segments, each a letter followed by
// letters, digits or '_'. Every command line that embeds a package name asks this first, because
// adb joins its arguments and the headset's shell would run anything else ("a;reboot") or act on
// a wider folder ("..", "").
bool IsPackageName(const QString& name);

// A local path as one argument of a command line: "path" for ordinary paths, with a '"' or a
// trailing backslash escaped by the rules the command-line splitter reads, so the tool receives
// exactly this path.
QString QuoteLocalPath(const QString& path);
