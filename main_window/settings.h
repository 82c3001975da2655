#pragma once
#include <QString>

// The per-user on/off settings: application "Tarnwick", one section per setting, key "Value".
QString GetSetting(const QString& section, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& value);
