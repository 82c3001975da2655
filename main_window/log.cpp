#include "main_window/morvell.h"

// Placeholder until the log is built.
void morvell::objDOS_ReceiveOutputs(QString&) {}
void morvell::txtOutputs_Change() {}
void morvell::Timer1_Timer() {}
void morvell::LogLine(const QString&) {}
