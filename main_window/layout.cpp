#include "main_window/morvell.h"

// Placeholder until the window is built.
void morvell::CreateControls() {}
