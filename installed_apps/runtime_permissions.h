#pragma once
// Reading an app's runtime permissions out of `dumpsys package <package>`:
//       runtime permissions:
//         android.permission.RECORD_AUDIO: granted=true, flags=[ USER_SET ]

#include <QString>
#include <vector>

struct RuntimePermission {
  QString name;
  bool granted = false;
};

// The lines holding "android.permission" in the first list after a line holding "runtime
// permissions": the first user's. Each line of that list has a state ("<name>: granted=<value>");
// the first line without one, such as the next user's "User 10: ..." or "requested permissions:",
// ends it.
std::vector<RuntimePermission> ParseRuntimePermissions(const QString& dumpsysOutput);

// Writes the list into the shared hand-over for the permissions dialog: the count always, names
// and flags for the first 99 only.
void HandOverPermissions(const std::vector<RuntimePermission>& permissions);
