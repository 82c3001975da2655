#include <QApplication>
#include <QEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace platform {
namespace {

const QString kAppTitle = QStringLiteral("Tarnwick");

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Ends a local event loop when the watched form hides or goes away.
class HideWatcher : public QObject {
 public:
  HideWatcher(QWidget* form, QEventLoop* loop) : loop_(loop) { form->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    // A window minimised by the user is hidden spontaneously; that does not end the modal wait.
    bool hidden = event->type() == QEvent::Hide && !event->spontaneous();
    if (hidden || event->type() == QEvent::Close) loop_->quit();
    return false;
  }

 private:
  QEventLoop* loop_;
};

class QtDialogs : public Dialogs {
 public:
  int MsgBox(const QString& text, int style, const QString& title) override {
    QMessageBox box(IconOf(style), title, text);
    int buttons = style & 0x7;
    QList<QPair<QMessageBox::StandardButton, int>> map;
    if (buttons == vbYesNo || buttons == vbYesNoCancel) {
      map = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
      if (buttons == vbYesNoCancel) map.append({QMessageBox::Cancel, vbCancel});
    } else if (buttons == vbOKCancel) {
      map = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    } else {
      map = {{QMessageBox::Ok, vbOK}};
    }
    for (auto& [button, answer] : map) box.addButton(button);
    int defaultIndex = (style & vbDefaultButton2) ? 1 : 0;
    if (defaultIndex < map.size()) box.setDefaultButton(map[defaultIndex].first);
    int clicked = box.exec();
    for (auto& [button, answer] : map)
      if (clicked == button) return answer;
    return map.size() > 1 ? map.last().second : vbOK;
  }

  void ShowModal(QWidget* form) override {
    QPointer<QWidget> guard(form);
    QEventLoop loop;
    HideWatcher watcher(form, &loop);
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    if (form->isVisible()) loop.exec();
    if (guard) guard->removeEventFilter(&watcher);
  }

  QString SaveFileName(QWidget* owner, const QString& title, const QString& filter, const QString& defaultName,
                       const QString& initialDir) override {
    QFileDialog dialog(owner, title, initialDir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(defaultName);
    // The dialog itself asks before replacing a file but takes a name in a folder that is not there.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
      const QString chosen = dialog.selectedFiles().constFirst();
      if (QFileInfo(chosen).absoluteDir().exists()) return chosen;
      QMessageBox::warning(&dialog, title,
                           chosen + QStringLiteral("\nPath does not exist.\nCheck the path and try again."));
    }
    return QString();
  }

  QString ChooseFolder(QWidget* owner, const QString& title) override {
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
  }
};

Dialogs& Current() {
  static QtDialogs qtDialogs;
  return DialogsSeam().Get() ? *DialogsSeam().Get() : qtDialogs;
}

}  // namespace

Seam<Dialogs*>& DialogsSeam() {
  static Seam<Dialogs*> seam;
  return seam;
}

int MsgBox(const QString& text, int style, const QString& title) {
  return Current().MsgBox(text, style, title.isEmpty() ? kAppTitle : title);
}

void ShowModal(QWidget* form) {
  if (form) Current().ShowModal(form);
}

QString SaveFileName(QWidget* owner, const QString& title, const QString& filter, const QString& defaultName,
                     const QString& initialDir) {
  return Current().SaveFileName(owner, title, filter, defaultName, initialDir);
}

QString ChooseFolder(QWidget* owner, const QString& title) { return Current().ChooseFolder(owner, title); }

bool ModalOrPopupOpen() { return QApplication::activePopupWidget() || QApplication::activeModalWidget(); }

}  // namespace platform
