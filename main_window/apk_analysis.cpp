#include "main_window/morvell.h"

// Placeholder until the APK analysis is built.
void morvell::RunBadging() {}
void morvell::ShowApkIcon() {}
void morvell::FillApkLabels() {}
void morvell::FindObbFiles() {}
QString GetFileName(const QString& path) { return path; }
