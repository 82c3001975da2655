#pragma once
#include <QString>

#include "runner/module1.h"

// The slots of the main window's BadgingInfo; permission k (from 1) is in kPermissionSlotBase + k.
enum BadgingSlot : int {
  kPackageSlot = 1,
  kVersionCodeSlot = 2,
  kVersionNameSlot = 3,
  kLabelSlot = 4,
  kHeadTrackingSlot = 5,  // "Yes" or empty
  kInstalledVersionSlot = 6,
  kIconSlot = 9,
  kPermissionSlotBase = 10,
};

// What the badging dump of aapt says about an APK, in the slots the main window keeps.
struct BadgingResult {
  BoundedTextArray<50> info;
  qint16 permissionCount = 0;
};

// Splits the output at every apostrophe and reads each value from the piece after its key. aapt
// does not escape apostrophes inside values, so a value holding one is cut there. The package
// name alone is the `name` of the "package:" line, whatever the other values say, and the label
// is the app's own, never one of its translations.
BadgingResult ParseBadging(const QString& output);
