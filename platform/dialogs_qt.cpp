#include <QApplication>
#include <QEvent>
#include <QEventLoop>
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
    QList<QPair<QMessageBox::StandardButton, int>> map;
    if ((style & 0x7) == vbYesNo) map = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    else map = {{QMessageBox::Ok, vbOK}};
    for (auto& [button, answer] : map) box.addButton(button);
    box.setDefaultButton(map.first().first);
    int clicked = box.exec();
    for (auto& [button, answer] : map)
      if (clicked == button) return answer;
    return map.last().second;  // closed without a button: No, or OK
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

}  // namespace platform
