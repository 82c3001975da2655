#pragma once
#include <QString>

// The per-user on/off settings: application "Tarnwick", one section per setting, key "Value".
QString GetSetting(const QString& section, const QString& defaultValue);
// False when the store could not be written (its file is a folder, the disk is full).
bool SaveSetting(const QString& section, const QString& value);
