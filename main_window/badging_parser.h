#pragma once
#include <QString>

#include "runner/module1.h"

// What the badging dump of aapt says about an APK, in the slots the main window keeps.
struct BadgingResult {
  BoundedTextArray<50> info;  // 1 package, 2 versionCode, 3 versionName, 4 label, 5 "Yes" for
                              // head tracking, 9 icon entry, 11..50 permissions
  qint16 permissionCount = 0;
};

// Splits the output at every apostrophe and reads each value from the piece after its key. aapt
// does not escape apostrophes inside values, so a value holding one is cut there. The package
// name alone is the `name` of the "package:" line, whatever the other values say.
BadgingResult ParseBadging(const QString& output);
