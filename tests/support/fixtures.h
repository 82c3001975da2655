#pragma once
#include <QString>

// Recorded tool outputs that several tests share, kept byte for byte as files in tests/fixtures/.
QString FixturePath(const QString& name);
// The file's text; a missing fixture fails the running test.
QString Fixture(const QString& name);
// A fake tool's scenario step that writes the fixture to stdout.
inline QString FixtureOut(const QString& name) { return QStringLiteral("outfile ") + FixturePath(name) + '\n'; }
