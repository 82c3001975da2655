#include "main_window/morvell.h"

// Placeholder until the device poll is built.
void morvell::ShowDiskSpace() {}
bool morvell::IsDeviceConnected() { return false; }
bool morvell::CheckInstalledVersion() { return false; }
void morvell::StartupVersionCheck() {}
void morvell::Timer3_Timer() {}
QString DigitsOnly(const QString& text) { return text; }
