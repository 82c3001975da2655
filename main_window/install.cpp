#include "main_window/morvell.h"

// Placeholder until the install is built.
void morvell::Command1_Click() {}
QString GetFolderPath(const QString& path) { return path; }
bool FolderExists(const QString&) { return false; }
