#pragma once
// A headset for the app-list script: the fake adb answers the size listing, pm path, the device
// aapt and dumpsys of each app through regex rules, as the device-side pipelines would. Like
// adb shell, every answer first reads the caller's standard input to its end.

#include <QList>
#include <QRegularExpression>
#include <QString>

struct FakeApp {
  QString package;
  QString sizes = QStringLiteral("1.0 1.0 0.0 0.0");  // total, APK, OBB, data as the device prints them
  QString pmPath = QString();   // pm path's output; default: package:/data/app/<package>/base.apk
  QString badging = QString();  // the device aapt's output; default: a label line of "Label <package>"
  QString versions = QStringLiteral("versionCode: 1 minSdk: 29 targetSdk: 32\nversionName: 1.0");
};

// Line ends of the device's answers: "\n" or "\r\n".
inline QString AppListScenario(const QList<FakeApp>& apps, const QString& eol = QStringLiteral("\n")) {
  auto out = [&eol](const QString& text) {
    QString lines;
    for (const QString& line : text.split(u'\n')) lines += line + eol;
    lines.replace(u'\\', QStringLiteral("\\\\")).replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    return QStringLiteral("readin\nout ") + lines + u'\n';
  };
  QString sizes;
  for (const FakeApp& app : apps) sizes += app.package + u' ' + app.sizes + u'\n';
  sizes.chop(1);
  QString scenario = QStringLiteral("when~ ^shell \"pm list packages -3 \\|wc -l\"$\n") +
                     out(QString::number(apps.size())) + QStringLiteral("when~ ^shell \"pm list package -f -3 -u \\|\n");
  if (!apps.isEmpty()) scenario += out(sizes);
  for (const FakeApp& app : apps) {
    const QString name = QRegularExpression::escape(app.package);
    const QString path = QStringLiteral("/data/app/") + app.package + QStringLiteral("/base.apk");
    scenario += QStringLiteral("when~ ^shell \"pm path ") + name + QStringLiteral("\"$\n") +
                out(app.pmPath.isNull() ? QStringLiteral("package:") + path : app.pmPath);
    scenario += QStringLiteral("when~ ^shell /data/local/tmp/aapt-arm-pie d badging /\\S*") + name + QStringLiteral("\\S*$\n") +
                out(app.badging.isNull() ? QStringLiteral("package: name='%1'\napplication-label:'Label %1'\n"
                                                          "application: label='Label %1' icon='res/icon.png'")
                                               .arg(app.package)
                                         : app.badging);
    scenario += QStringLiteral("when~ ^shell \"dumpsys package ") + name + QStringLiteral(" \\|\n") + out(app.versions);
  }
  return scenario;
}

// An argument as the fake adb writes it into its call log.
inline QString LoggedArgument(const QString& arg) {
  if (!arg.isEmpty() && !arg.contains(QRegularExpression(QStringLiteral("[ \\t\"\\n\\r]")))) return arg;
  QString quoted = arg;
  quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
  return u'"' + quoted + u'"';
}
