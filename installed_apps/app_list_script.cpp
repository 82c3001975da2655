#include "installed_apps/app_list_script.h"

#include <QDir>
#include <QFile>

#include "runner/text_paths.h"
#include "runner/tools.h"

namespace {

// One word for sh holding the text unchanged: single quotes, each ' as '\''.
QString ShellQuote(const QString& text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("'\\''"));
  return u'\'' + quoted + u'\'';
}

const QString kVersionsTail = QStringLiteral(
    R"( | grep -e "versionName" -e "versionCode" | awk '{$1=$1;gsub(/=/,": ");};1')");

// The loop reads the size lines from a pipe, so every adb call inside it reads /dev/null:
// adb would otherwise swallow the rest of the listing. Device text is only ever printed with
// printf '%s' or passed as a quoted argument; a package name that is no Android package name,
// or a code path with characters a path from pm never has, reaches no device command (the same
// rules as IsPackageName, written as patterns under LC_ALL=C so ranges mean ASCII only).
const char* const kLoop = R"(while IFS=' ' read -r A B C D E REST || [ -n "$A" ]; do
  [ -n "$A" ] || continue
  printf 'IP3x: %s \n' "$A"
  CODEPATH=
  LABEL=
  case $A in
    *[!A-Za-z0-9_.]*|[!A-Za-z]*|*.|*.[!A-Za-z]*) PACKAGE_OK= ;;
    *) PACKAGE_OK=1 ;;
  esac
  if [ -n "$PACKAGE_OK" ]; then
    PATHS=$("$ADB" shell "pm path $A" </dev/null | tr -d '\r' | sed 's/package://g')
    CODEPATH=$(printf '%s\n' "$PATHS" | grep '/base\.apk$' | tail -n 1)
    [ -n "$CODEPATH" ] || CODEPATH=$(printf '%s\n' "$PATHS" | grep -v '^$' | tail -n 1)
    case $CODEPATH in
      /*) case $CODEPATH in *[!A-Za-z0-9/._=~+-]*) CODEPATH= ;; esac ;;
      *) CODEPATH= ;;
    esac
  fi
  if [ -n "$CODEPATH" ]; then
    LABEL=$("$ADB" shell /data/local/tmp/aapt-arm-pie d badging "$CODEPATH" </dev/null | tr -d '\r' | grep -F "application-label:" | tail -n 1 | tr -d "'")
  fi
  [ -z "$LABEL" ] || printf '%s\n' "$LABEL"
  if [ -n "$PACKAGE_OK" ]; then
    "$ADB" shell 'dumpsys package '"$A"%1 </dev/null | tr -d '\r' | sed '/^$/d; s/^/VC3x: /'
  fi
  printf 'TO3x: %s\nAP3x: %s\nOB3x: %s\nAD3x: %s\n' "$B" "$C" "$D" "$E"
done
)";

// The one argument that `adb shell` receives for the size of every app.
QString AppSizesCommand() {
  return QStringLiteral(
      R"(pm list package -f -3 -u | awk -F':' '{print $2}' | awk -F'==/base.apk=|null=' '{apksize = ""; cmd = "du " $1 "==/base.apk 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline apksize; close(cmd); obbsize = ""; cmd = "du -s /sdcard/Android/obb/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline obbsize; close(cmd); datasize = ""; cmd = "du -s /sdcard/Android/data/" $2 " 2\76/dev/null \174 cut -f 1 \174 bc"; cmd | getline datasize; close(cmd); printf($2 " %.1f %.1f %.1f %.1f\n", ((apksize>4?apksize:0)/1024)+((obbsize>4?obbsize:0)/1024)+((datasize>4?datasize:0)/1024), (apksize>4?apksize:0)/1024,(obbsize>4?obbsize:0)/1024,(datasize>4?datasize:0)/1024) }' | sort -nk2)");
}

QString FolderTemplate() { return QDir(QDir::tempPath()).filePath(QStringLiteral("tarnwick-XXXXXX")); }

}  // namespace

QString AppListScript() {
  QString script = QStringLiteral("#!/bin/sh\nLC_ALL=C\nexport LC_ALL\n");
  script += QStringLiteral("ADB=") + ShellQuote(tools::AdbPath()) + u'\n';
  script += QStringLiteral("\"$ADB\" push ") + ShellQuote(tools::AaptArmPiePath()) +
            QStringLiteral(" /data/local/tmp\n");
  script += QStringLiteral("\"$ADB\" shell chmod 0755 /data/local/tmp/aapt-arm-pie\n");
  script += QStringLiteral("\"$ADB\" shell ") + ShellQuote(AppSizesCommand()) + QStringLiteral(" | tr -d '\\r' |\n");
  script += QString::fromUtf8(kLoop).arg(ShellQuote(kVersionsTail));
  return script;
}

bool WriteAppListScript(const QString& path, const QString& text) {
  QFile file(path);
  // NewOnly is an exclusive create: it fails on any existing name, a dangling link included.
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
    return false;
  const QByteArray bytes = text.toUtf8();
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  file.close();
  if (!written) QFile::remove(path);
  return written;
}

AppListScriptFile::AppListScriptFile(const QString& text) {
  // An empty temporary path (TMPDIR names no folder) would put the folder in the working folder.
  if (QDir::tempPath().isEmpty()) return;
  folder_.emplace(FolderTemplate());
  written_ = folder_->isValid() && WriteAppListScript(Path(), text);
}

QString AppListScriptFile::Path() const {
  // The template stands in for a folder that could not be made, so a report still names where.
  return JoinPath(folder_ && folder_->isValid() ? folder_->path() : FolderTemplate(), QStringLiteral("morvell.sh"));
}

QString AppListScriptFile::CommandLine() const { return QStringLiteral("sh ") + QuoteLocalPath(Path()); }
