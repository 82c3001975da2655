#include "installed_apps/pull_outcome.h"

#include <QRegularExpression>

bool ReportsOneFilePulled(const QString& output) { return output.contains(QLatin1String("1 file pulled")); }

bool ReportsZeroFiles(const QString& output) {
  const QLatin1String zero("0 files");
  for (qsizetype at = output.indexOf(zero); at >= 0; at = output.indexOf(zero, at + 1))
    if (at == 0 || !output[at - 1].isDigit()) return true;
  return false;
}

bool ReportsFilesPulled(const QString& output) {
  static const QRegularExpression pulled(QStringLiteral("(?:^|\\D)0*[1-9]\\d* files? pulled"));
  return pulled.match(output).hasMatch();
}

bool ReportsMissingRemote(const QString& output) {
  return output.contains(QLatin1String("does not exist")) ||
         output.contains(QLatin1String("No such file or directory"));
}

DataPullJudgement JudgeDataPull(const QString& output) {
  DataPullJudgement judgement;
  judgement.zeroFiles = ReportsZeroFiles(output);
  if (ReportsMissingRemote(output))
    judgement.ending = DataPullJudgement::Ending::NotFound;
  else if (!judgement.zeroFiles && !ReportsFilesPulled(output))
    judgement.ending = DataPullJudgement::Ending::Error;
  return judgement;
}

bool ObbPullFailed(const QString& output) {
  return JudgeDataPull(output).ending == DataPullJudgement::Ending::Error;
}
