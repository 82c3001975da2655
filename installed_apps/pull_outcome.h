#pragma once
// Judging what `adb pull` and `adb push` printed. adb's exit code is not looked at: only its
// words count, and only the words about the very path that was asked for.
//   one file:   "/sdcard/x.apk: 1 file pulled, 0 skipped. 9.1 MB/s (123 bytes in 0.001s)"
//   a folder:   "/sdcard/Android/data/com.x/: 12 files pulled, 0 skipped. ..."
//   missing:    "adb: error: failed to stat remote object '/sdcard/Android/data/com.x': No such file or directory"
//               (newer adb: "adb: error: remote object '/sdcard/Android/data/com.x' does not exist")
//   any other:  "adb: error: failed to copy '...' to '...': remote open failed: No such file or directory"

#include <QString>

bool ReportsOneFilePulled(const QString& output);
// "0 files" at the very start or right after a character that is not a digit ("10 files" is not).
bool ReportsZeroFiles(const QString& output);
// Some "N file(s) pulled" with N above zero.
bool ReportsFilesPulled(const QString& output);
// adb says that this remote path itself does not exist; the same words about another path (a
// file that vanished inside the folder) do not count, nor does any other reason for that path
// ("failed to stat remote object '<path>': Permission denied" is a folder adb may not read).
bool ReportsMissingRemote(const QString& output, const QString& remotePath);
// A line in which adb reports an error of its own.
bool ReportsError(const QString& output);
// Some "N file(s) pushed" with N above zero, and no error.
bool ReportsFilesPushed(const QString& output);

// How the app-data backup ends after its pull.
struct DataPullJudgement {
  bool zeroFiles = false;  // the folder was there and empty: the "no data" box comes first
  enum class Ending { OpenFolder, NotFound, Error } ending = Ending::OpenFolder;
};
DataPullJudgement JudgeDataPull(const QString& output, const QString& remotePath);

// The OBB pull of the APK + OBB backup fails unless it copied something, found the folder empty
// or found no OBB folder at all (an app without OBB files).
bool ObbPullFailed(const QString& output, const QString& remotePath);
