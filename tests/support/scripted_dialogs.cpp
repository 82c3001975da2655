#include "support/scripted_dialogs.h"

#include <QPointer>
#include <QWidget>

int ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title) {
  boxes_.append({text, style, title});
  if (!answers_.empty()) {
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (style & 0x7) == platform::vbYesNo ? platform::vbYes : platform::vbOK;
}

void ScriptedDialogs::ShowModal(QWidget* form) {
  modalForms_.append(form);
  QPointer<QWidget> guard(form);
  form->show();
  if (modalAction_) modalAction_(form);
  if (guard && guard->isVisible()) guard->hide();
}
