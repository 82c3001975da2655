#pragma once
#include <QSettings>
#include <QString>

// The per-user on/off settings: application "Tarnwick", one section per setting, key "Value".
QSettings SettingsStore();
QString GetSetting(const QString& section, const QString& defaultValue);
// False when the store could not be written (its file is a folder, the disk is full).
bool SaveSetting(const QString& section, const QString& value);
// The log line for a setting that SaveSetting could not write: the section and the file.
QString SettingNotSavedLine(const QString& section);
