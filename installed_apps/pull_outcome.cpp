#include "installed_apps/pull_outcome.h"

#include <QRegularExpression>

namespace {
bool ReportsCount(const QString& output, QLatin1String verb) {
  const QRegularExpression moved(QStringLiteral("(?:^|\\D)0*[1-9]\\d* files? ") + verb);
  return moved.match(output).hasMatch();
}
}  // namespace

bool ReportsOneFilePulled(const QString& output) { return output.contains(QLatin1String("1 file pulled")); }

bool ReportsZeroFiles(const QString& output) {
  const QLatin1String zero("0 files");
  for (qsizetype at = output.indexOf(zero); at >= 0; at = output.indexOf(zero, at + 1))
    if (at == 0 || !output[at - 1].isDigit()) return true;
  return false;
}

bool ReportsFilesPulled(const QString& output) { return ReportsCount(output, QLatin1String("pulled")); }

bool ReportsMissingRemote(const QString& output, const QString& remotePath) {
  // The whole line, so that another reason ("Permission denied") or a longer path does not count.
  const QString quoted = u'\'' + QRegularExpression::escape(remotePath) + u'\'';
  const QRegularExpression missing(QStringLiteral("^(?:adb: )?(?:error: )?(?:failed to stat remote object ") + quoted +
                                       QStringLiteral(": No such file or directory|remote object ") + quoted +
                                       QStringLiteral(" does not exist)\r?$"),
                                   QRegularExpression::MultilineOption);
  return missing.match(output).hasMatch();
}

bool ReportsError(const QString& output) {
  static const QRegularExpression error(QStringLiteral("^(?:adb: )?error:"), QRegularExpression::MultilineOption);
  return error.match(output).hasMatch();
}

bool ReportsFilesPushed(const QString& output) {
  return ReportsCount(output, QLatin1String("pushed")) && !ReportsError(output);
}

DataPullJudgement JudgeDataPull(const QString& output, const QString& remotePath) {
  DataPullJudgement judgement;
  const bool zeroFiles = ReportsZeroFiles(output);
  if (ReportsMissingRemote(output, remotePath))
    judgement.ending = DataPullJudgement::Ending::NotFound;
  else if (ReportsError(output) || (!zeroFiles && !ReportsFilesPulled(output)))
    judgement.ending = DataPullJudgement::Ending::Error;
  judgement.zeroFiles = zeroFiles && judgement.ending == DataPullJudgement::Ending::OpenFolder;
  return judgement;
}

bool ObbPullFailed(const QString& output, const QString& remotePath) {
  return JudgeDataPull(output, remotePath).ending == DataPullJudgement::Ending::Error;
}
