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
