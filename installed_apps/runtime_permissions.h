#pragma once
// Reading an app's runtime permissions out of `dumpsys package <package>`:
//       runtime permissions:
//         android.permission.RECORD_AUDIO: granted=true, flags=[ USER_SET ]

#include <QString>
#include <optional>
#include <vector>

struct RuntimePermission {
  std::optional<QString> name;  // none when the line holds no ':'
  bool granted = false;
};

// Every line holding "android.permission" after a line holding "runtime permissions", once per
// such marker line before it (a second marker lists the lines after it again).
std::vector<RuntimePermission> ParseRuntimePermissions(const QString& dumpsysOutput);

// Writes the list into the shared hand-over for the permissions dialog: the count always, names
// and flags for the first 99 only; a line without a name leaves the name stored before.
void HandOverPermissions(const std::vector<RuntimePermission>& permissions);
