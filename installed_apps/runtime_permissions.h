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

// Every line holding "android.permission" and a state ("<name>: granted=<value>") after a line
// holding "runtime permissions", once per such marker line before it (a second marker lists the
// lines after it again). A line without a state, such as a name in a "requested permissions:"
// list printed later, is no permission of this listing.
std::vector<RuntimePermission> ParseRuntimePermissions(const QString& dumpsysOutput);

// Writes the list into the shared hand-over for the permissions dialog: the count always, names
// and flags for the first 99 only.
void HandOverPermissions(const std::vector<RuntimePermission>& permissions);
