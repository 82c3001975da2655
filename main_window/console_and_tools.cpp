#include "main_window/morvell.h"

// Placeholder until the console and headset tools are built.
void morvell::Command6_Click() {}
void morvell::Command7_Click() {}
void morvell::Text1_KeyDown(int) {}
void morvell::Command8_Click() {}
void morvell::Command11_Click() {}
void morvell::Command12_Click() {}
void morvell::Command13_Click(int) {}
void morvell::Timer2_Timer() {}
void morvell::Picture2_MouseMove(int, int, int, float, float) {}
void morvell::Form_QueryUnload() {}
