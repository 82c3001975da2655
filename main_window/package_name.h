#pragma once
#include <QString>

// Whether a text can stand as a package name in a device command line. Android package names
// hold letters, digits, '_' and '.' only; anything else (an empty text after a failed badging, a
// misparsed value with blanks or line ends) would turn "rm -r <obb folder>/<package>" into a
// removal of every app's OBB data.
bool IsUsablePackageName(const QString& name);
