// The main window's permissions button (Command2): the APK's manifest permissions in the window Form1.

#include "main_window/badging_parser.h"
#include "main_window/morvell.h"
#include "main_window/permissions_window.h"

void morvell::Command2_Click() {
  QString list;
  for (int k = 1; k <= ManifestPermCount; ++k) {
    int slot = kPermissionSlotBase + k;
    if (slot > BadgingInfo.kUpper) break;
    list += BadgingInfo[slot] + u'\r';
  }
  Form1* window = Form1Instance();
  window->SetLabel1Caption(list);
  window->show();
  window->raise();
}
