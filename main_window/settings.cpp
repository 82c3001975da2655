#include "main_window/settings.h"

QSettings SettingsStore() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
}

QString GetSetting(const QString& section, const QString& defaultValue) {
  QVariant value = SettingsStore().value(section + QStringLiteral("/Value"));
  return value.isValid() ? value.toString() : defaultValue;
}

bool SaveSetting(const QString& section, const QString& value) {
  QSettings store = SettingsStore();
  store.setValue(section + QStringLiteral("/Value"), value);
  store.sync();
  // A file that does not parse reports FormatError, yet takes the write: only AccessError failed.
  return store.status() != QSettings::AccessError;
}

QString SettingNotSavedLine(const QString& section) {
  return QStringLiteral("Could not save the setting \"%1\" to %2").arg(section, SettingsStore().fileName());
}
