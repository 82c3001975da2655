#pragma once
#include <QString>

// adb prints lines about its own server ("* daemon not running; starting now at tcp:5037",
// "* daemon started successfully") before the answer when the server was not running. They are
// never part of what the device said: this is the output without them.
QString WithoutServerLines(const QString& output);
