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
  form->setWindowModality(Qt::ApplicationModal);
  form->show();
  if (modalAction_) modalAction_(form);
  if (guard && guard->isVisible()) guard->hide();
}

namespace {
QString Take(std::deque<QString>& queue) {
  if (queue.empty()) return QString();
  QString answer = queue.front();
  queue.pop_front();
  return answer;
}
}  // namespace

QString ScriptedDialogs::SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                      const QString& defaultName, const QString& initialDir) {
  saveDialogs_.append({owner, title, filter, defaultName, initialDir});
  return Take(saveNames_);
}

QString ScriptedDialogs::ChooseFolder(QWidget* owner, const QString& title) {
  folderChoosers_.append({owner, title, {}, {}, {}});
  return Take(folders_);
}
