#include "main_window/morvell.h"

// Placeholder until the uninstall is built.
void morvell::Command2_Click() {}
void morvell::Command4_Click() {}
void morvell::Command5_Click() {}
