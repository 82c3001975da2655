#pragma once
// A stand-in for message boxes and modal windows: records every box, answers from a queue, and
// lets the test act on a modal form while it is "open".

#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "platform/beep.h"
#include "platform/dialogs.h"

struct RecordedBox {
  QString text;
  int style = 0;
  QString title;
};

struct RecordedFileDialog {
  QWidget* owner = nullptr;
  QString title;
  QString filter;       // save dialogs only
  QString defaultName;  // save dialogs only
  QString initialDir;   // save dialogs only
};

class ScriptedDialogs : public platform::Dialogs {
 public:
  ScriptedDialogs() = default;  // in force while it lives

  // Answers for the next boxes, in order; an empty queue answers OK (or Yes for Yes/No boxes).
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  // What the next save dialogs and folder choosers confirm, in order; an empty queue cancels.
  void QueueSaveName(const QString& path) { saveNames_.push_back(path); }
  void QueueFolder(const QString& path) { folders_.push_back(path); }
  // Runs for each modal form shown; the form is hidden afterwards if the action left it visible.
  void OnModal(std::function<void(QWidget*)> action) { modalAction_ = std::move(action); }

  // Forgets the boxes, forms, answers and action so far.
  void Clear() {
    boxes_.clear();
    modalForms_.clear();
    answers_.clear();
    modalAction_ = nullptr;
  }

  const QList<RecordedBox>& Boxes() const { return boxes_; }
  const QList<QWidget*>& ModalForms() const { return modalForms_; }
  const QList<RecordedFileDialog>& SaveDialogs() const { return saveDialogs_; }
  const QList<RecordedFileDialog>& FolderChoosers() const { return folderChoosers_; }

  int MsgBox(const QString& text, int style, const QString& title) override;
  void ShowModal(QWidget* form) override;
  QString SaveFileName(QWidget* owner, const QString& title, const QString& filter, const QString& defaultName,
                       const QString& initialDir) override;
  QString ChooseFolder(QWidget* owner, const QString& title) override;

 private:
  QList<RecordedBox> boxes_;
  QList<QWidget*> modalForms_;
  std::deque<int> answers_;
  QList<RecordedFileDialog> saveDialogs_;
  QList<RecordedFileDialog> folderChoosers_;
  std::deque<QString> saveNames_;
  std::deque<QString> folders_;
  std::function<void(QWidget*)> modalAction_;
  Seam<platform::Dialogs*>::Override installed_{platform::DialogsSeam(), this};
};

// Counts beeps while it lives.
class BeepCounter {
 public:
  int count() const { return *count_; }
  void Reset() { *count_ = 0; }

 private:
  std::shared_ptr<int> count_ = std::make_shared<int>(0);
  Seam<std::function<void()>>::Override handler_{platform::BeepSeam(), [count = count_] { ++*count; }};
};
