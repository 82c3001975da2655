#include "main_window/settings.h"

#include <QSettings>

namespace {
QSettings Store() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick")); }
}  // namespace

QString GetSetting(const QString& section, const QString& defaultValue) {
  QVariant value = Store().value(section + QStringLiteral("/Value"));
  return value.isValid() ? value.toString() : defaultValue;
}

bool SaveSetting(const QString& section, const QString& value) {
  QSettings store = Store();
  store.setValue(section + QStringLiteral("/Value"), value);
  store.sync();
  return store.status() == QSettings::NoError;
}
