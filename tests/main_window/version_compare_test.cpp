#include <QList>

#include "main_window/version_compare.h"
#include "support/gtest_qt.h"

TEST(InstalledVersion, CutsBetweenVersionCodeAndMinSdk) {
  for (const auto& [dumpsys, expected] : {
           std::pair{"Packages:\n  Package [com.a] (1f):\n    versionCode=1203 minSdk=24 targetSdk=29\n", "1203"},
           {"    versionCode=1203 targetSdk=29\n", ""},  // no minSdk
           {"minSdk=24 versionCode=1203\n", ""},
           {"versionCode=minSdk=24", ""},
           {"0123456789AB77 minSdk=1", "B77"},  // without versionCode the cut starts at the twelfth character
           {"", ""}})
    EXPECT_EQ(InstalledVersionText(QString::fromUtf8(dumpsys)), expected) << dumpsys;
}

TEST(InstalledVersion, OutcomesCaptionsAndLogTexts) {
  struct Case {
    QString installed, apk;
    VersionOutcome outcome;
    QString caption, log;
  };
  const QString notInstalled = QStringLiteral("未安装          ");
  const QList<Case> cases = {
      {"1203", "1210", VersionOutcome::Older, " 1203 (Older)", "Older Buildnumber found"},
      {"1210", "1203", VersionOutcome::Newer, " 1210 (Newer)", "Newer Buildnumber found"},
      {"1210", "1210", VersionOutcome::Same, " 1210 (Same)", "Same Buildnumber found"},
      {"999", "1000", VersionOutcome::Older, " 999 (Older)", "Older Buildnumber found"},  // numbers, not texts
      {"", "1210", VersionOutcome::NotInstalled, notInstalled, notInstalled},
      {"1203", "", VersionOutcome::Unknown, " 1203", ""},
      {"12a", "1210", VersionOutcome::Unknown, " 12a", ""},
      {"1203", "1.5", VersionOutcome::Unknown, " 1203", ""},
  };
  for (const Case& c : cases) {
    const VersionOutcome outcome = CompareVersions(c.installed, c.apk);
    EXPECT_EQ(outcome, c.outcome) << c.installed.toStdString() << " vs " << c.apk.toStdString();
    EXPECT_EQ(StatusCaption(outcome, c.installed), c.caption);
    EXPECT_EQ(StartupLogText(outcome), c.log);
  }
}
