// The way into the installed-apps window: the progress window first, whose timer opens Form4.

#include "installed_apps/form4.h"
#include "installed_apps/progress_window.h"
#include "main_window/morvell.h"

void morvell::Command9_Click() {
  Busy = true;
  hide();
  Form5Instance()->Show();
  Busy = false;
}

Form5* morvell::Form5Instance() {
  if (!form5_) form5_ = std::make_unique<Form5>([this] { Form4Instance()->Show(); });
  return form5_.get();
}

Form4* morvell::Form4Instance() {
  if (!form4_) form4_ = std::make_unique<Form4>(this, Form5Instance());
  return form4_.get();
}
