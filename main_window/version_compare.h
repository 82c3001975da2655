#pragma once
#include <QString>

// The versionCode that dumpsys reports for the package: the text between the first
// "versionCode=" and the first "minSdk=", blanks trimmed. Empty when it cannot be cut out.
QString InstalledVersionText(const QString& dumpsysOutput);

enum class VersionOutcome {
  Older,         // the device holds a lower build than the APK
  Newer,         // the device holds a higher build
  Same,
  NotInstalled,  // no installed versionCode
  Unknown,       // installed, but one of the two versionCodes is not a whole number
};

VersionOutcome CompareVersions(const QString& installed, const QString& apk);

// Label6's caption for an outcome (the installed versionCode behind a blank); the text that
// start-up puts in the log is StartupLogText.
QString StatusCaption(VersionOutcome outcome, const QString& installed);
QString StartupLogText(VersionOutcome outcome);  // empty for Unknown

inline const QString kNotInstalledCaption = QStringLiteral("未安装          ");
