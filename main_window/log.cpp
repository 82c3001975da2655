#include <QTimer>

#include "main_window/log_box.h"
#include "main_window/morvell.h"

void morvell::objDOS_ReceiveOutputs(QString& CommandOutputs) {
  if (Module1::OutputSilenced) return;
  txtOutputs->AppendText(CommandOutputs);
}

void morvell::txtOutputs_Change() { txtOutputs->CaretToEnd(); }

void morvell::Timer1_Timer() {
  txtOutputs->CaretToEnd();
  Timer1->stop();
}

void morvell::LogLine(const QString& text) {
  txtOutputs->AppendAndShowEnd(QStringLiteral("\r\n") + text + QStringLiteral("\r\n"));
}
