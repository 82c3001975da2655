#include "runner/adb_output.h"

QString WithoutServerLines(const QString& output) {
  QString kept;
  for (qsizetype start = 0; start < output.size();) {
    qsizetype end = output.indexOf(u'\n', start);
    end = end < 0 ? output.size() : end + 1;
    const QStringView line = QStringView(output).mid(start, end - start);
    if (!line.startsWith(u"* ")) kept += line;
    start = end;
  }
  return kept;
}
