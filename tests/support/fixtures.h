#pragma once
#include <QString>

// Recorded tool outputs that several tests share, kept byte for byte as files in tests/fixtures/.
QString FixturePath(const QString& name);
// The file's text; a missing fixture fails the running test.
QString Fixture(const QString& name);
// A fake tool's scenario step that writes the fixture to stdout.
inline QString FixtureOut(const QString& name) { return QStringLiteral("outfile ") + FixturePath(name) + '\n'; }
// A fake tool's scenario step that writes the text to stdout, spelled so that the fake decodes it back.
inline QString ScenarioOut(QString text) {
  text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
  return QStringLiteral("out ") + text + u'\n';
}
