#pragma once
// A headset for the app-list script: the fake adb answers the size listing, pm path, the device
// aapt and dumpsys of each app through regex rules. Like adb shell, each answer first reads the
// caller's standard input to its end.

#include <QList>
#include <QRegularExpression>
#include <QString>

#include "support/fixtures.h"

struct FakeApp {
  QString package;
  QString sizes = QStringLiteral("1.0 1.0 0.0 0.0");  // total, APK, OBB, data
  QString pmPath = QString();   // null: package:/data/app/<package>/base.apk
  QString badging = QString();  // null: a label line of "Label <package>"
  QString versions = QStringLiteral("versionCode: 1 minSdk: 29 targetSdk: 32\nversionName: 1.0");
};

// eol: the line ends of the device's answers.
inline QString AppListScenario(const QList<FakeApp>& apps, const QString& eol = QStringLiteral("\n")) {
  auto rule = [&eol](const QString& pattern, const QString& text) {
    QString lines;
    for (const QString& line : text.split(u'\n')) lines += line + eol;
    return QStringLiteral("when~ ^shell ") + pattern + QStringLiteral("\nreadin\n") + ScenarioOut(lines);
  };
  QStringList sizes;
  for (const FakeApp& app : apps) sizes << app.package + u' ' + app.sizes;
  QString scenario = rule(QStringLiteral("\"pm list packages -3 \\|wc -l\"$"), QString::number(apps.size()));
  scenario += apps.isEmpty() ? QStringLiteral("when~ ^shell \"pm list package -f -3 -u \\|\n")
                             : rule(QStringLiteral("\"pm list package -f -3 -u \\|"), sizes.join(u'\n'));
  for (const FakeApp& app : apps) {
    const QString name = QRegularExpression::escape(app.package);
    scenario += rule("\"pm path " + name + "\"$", app.pmPath.isNull() ? "package:/data/app/" + app.package + "/base.apk" : app.pmPath);
    scenario += rule("/data/local/tmp/aapt-arm-pie d badging /\\S*" + name + "\\S*$",
                     app.badging.isNull() ? QStringLiteral("package: name='%1'\napplication-label:'Label %1'\n"
                                                           "application: label='Label %1' icon='res/icon.png'").arg(app.package)
                                          : app.badging);
    scenario += rule("\"dumpsys package " + name + " \\|", app.versions);
  }
  return scenario;
}
