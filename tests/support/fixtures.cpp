#include "support/fixtures.h"

#include "support/gtest_qt.h"

#include <QFile>

QString FixturePath(const QString& name) { return QStringLiteral(FIXTURES_DIR "/") + name; }

QString Fixture(const QString& name) {
  QFile file(FixturePath(name));
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "missing fixture " << name.toStdString();
  return QString::fromUtf8(file.readAll());
}
