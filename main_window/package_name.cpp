#include "main_window/package_name.h"

#include <algorithm>

bool IsUsablePackageName(const QString& name) {
  return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'.';
  });
}
