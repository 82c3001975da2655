#pragma once
// The shell script that lists the headset's user-installed apps: it pushes aapt-arm-pie, measures
// every app with du on the device, and prints one block of marker lines per app.

#include <QString>
#include <QTemporaryDir>
#include <optional>

// The whole script, for the adb and aapt-arm-pie in the program's folder.
QString AppListScript();

// Creates the file new (never through a link or over a file planted under that name), readable
// by its owner only, and writes the text. False when the file could not be created or written;
// a file that was created is then removed again.
bool WriteAppListScript(const QString& path, const QString& text);

// morvell.sh in a folder of its own under the temporary folder, made for one run (mode 0700, so
// nothing another user leaves in a shared temporary folder can block or replace it). The folder
// and the script go with the object.
class AppListScriptFile {
 public:
  explicit AppListScriptFile(const QString& text);
  AppListScriptFile(const AppListScriptFile&) = delete;
  AppListScriptFile& operator=(const AppListScriptFile&) = delete;

  bool Written() const { return written_; }
  QString Path() const;
  // sh and the quoted path: the shell reads the script, so a temporary folder mounted noexec
  // still works.
  QString CommandLine() const;

 private:
  std::optional<QTemporaryDir> folder_;
  bool written_ = false;
};
