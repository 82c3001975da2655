#include <QTimer>

#include "main_window/log_box.h"
#include "main_window/morvell.h"

void morvell::objDOS_ReceiveOutputs(QString& CommandOutputs) {
  if (Module1::OutputSilenced) return;
  txtOutputs->AppendText(CommandOutputs);
}

void morvell::txtOutputs_Change() { txtOutputs->SetSelStart(static_cast<int>(txtOutputs->Text().size())); }

void morvell::Timer1_Timer() {
  txtOutputs->SetSelStart(static_cast<int>(txtOutputs->Text().size()));
  Timer1->stop();
}

void morvell::LogLine(const QString& text) {
  txtOutputs->AppendText(QStringLiteral("\r\n") + text + QStringLiteral("\r\n"));
  txtOutputs->SetSelStart(static_cast<int>(txtOutputs->Text().size()));
}
