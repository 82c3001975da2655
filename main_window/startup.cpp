#include "main_window/morvell.h"

// Placeholder until start-up is built.
void morvell::Form_Load() {}
void morvell::Check1_Click() {}
void morvell::Check2_Click() {}
void morvell::QuitApp() {}
