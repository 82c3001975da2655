#include <algorithm>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include "platform/registry.h"

namespace platform {
namespace {

const QString kVerbRoot = QStringLiteral("HKCR\\*\\shell\\");
const QString kApkMimeType = QStringLiteral("application/vnd.android.package-archive;");

// The desktop-entry rules for one argument of Exec: '%' is written "%%"; an argument holding a
// blank or a reserved character is put in double quotes, where '"', '`', '$' and '\' take a
// backslash.
QString QuoteExecArgument(const QString& text) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  QString argument = text;
  argument.replace('%', QStringLiteral("%%"));
  bool needsQuotes = std::any_of(text.begin(), text.end(), [](QChar c) { return reserved.contains(c); });
  if (!needsQuotes) return argument;
  argument.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
  return '"' + argument + '"';
}

// Every value of the file is a string, whose own escapes are read before Exec's quoting.
QString EscapeString(const QString& value) {
  QString escaped = value;
  return escaped.replace('\\', "\\\\").replace('\n', "\\n").replace('\t', "\\t").replace('\r', "\\r");
}

// "program %1" becomes "program %f": the file manager passes the clicked file as one argument.
QString ExecLine(const QString& command) {
  QString program = command;
  if (program.endsWith(QStringLiteral(" %1"))) program.chop(3);
  return QuoteExecArgument(program) + QStringLiteral(" %f");
}

bool MapValue(const QString& name, const QString& value, QString& key, QString& entryValue) {
  if (name.compare(QStringLiteral("Command\\"), Qt::CaseInsensitive) == 0) {
    key = QStringLiteral("Exec");
    entryValue = ExecLine(value);
  } else if (name.compare(QStringLiteral("AppliesTo"), Qt::CaseInsensitive) == 0) {
    key = QStringLiteral("MimeType");
    entryValue = value.compare(QStringLiteral(".apk"), Qt::CaseInsensitive) == 0 ? kApkMimeType : value;
  } else if (name.compare(QStringLiteral("Icon"), Qt::CaseInsensitive) == 0) {
    key = QStringLiteral("Icon");
    entryValue = value;
  } else {
    return false;
  }
  return true;
}

QStringList ReadEntry(const QString& file, const QString& verb) {
  QFile in(file);
  if (in.open(QIODevice::ReadOnly | QIODevice::Text))
    return QString::fromUtf8(in.readAll()).split('\n', Qt::SkipEmptyParts);
  return {QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"), QStringLiteral("Name=") + verb};
}

void SetKey(QStringList& lines, const QString& key, const QString& value) {
  for (QString& line : lines) {
    if (line.startsWith(key + '=')) {
      line = key + '=' + value;
      return;
    }
  }
  lines.append(key + '=' + value);
}

}  // namespace

QString ApplicationsFolder() {
  QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  if (dataHome.isEmpty()) dataHome = QDir::homePath() + QStringLiteral("/.local/share");
  return dataHome + QStringLiteral("/applications");
}

bool RegWrite(const QString& path, const QString& value, const QString& type) {
  if (!path.startsWith(kVerbRoot) || type != QStringLiteral("REG_SZ")) return false;
  QString rest = path.mid(kVerbRoot.size());
  int slash = rest.indexOf('\\');
  if (slash <= 0) return false;
  QString verb = rest.left(slash);
  QString key, entryValue;
  if (!MapValue(rest.mid(slash + 1), value, key, entryValue)) return false;

  QString folder = ApplicationsFolder();
  if (!QDir().mkpath(folder)) return false;
  QString file = folder + '/' + verb.toLower() + QStringLiteral(".desktop");
  QStringList lines = ReadEntry(file, verb);
  SetKey(lines, key, EscapeString(entryValue));
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  out.write((lines.join('\n') + '\n').toUtf8());
  return out.commit();
}

}  // namespace platform
