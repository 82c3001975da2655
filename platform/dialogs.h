#pragma once
// Message boxes and modal windows, behind one seam that tests replace with a scripted double.

#include <QString>

#include "platform/seam.h"

class QWidget;

namespace platform {

// Message box styles and answers by their classic numbers (buttons + icon + default button).
// Only the styles that the program shows are known: OK or Yes/No, no icon, critical or information.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbYesNo = 4,
  vbCritical = 16,
  vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbYes = 6, vbNo = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
  // Shows the form modal and returns once it is hidden or closed.
  virtual void ShowModal(QWidget* form) = 0;
};

// The dialogs in force; nullptr means the Qt ones.
Seam<Dialogs*>& DialogsSeam();
inline void SetDialogs(Dialogs* dialogs) { DialogsSeam().Set(dialogs); }

// A box without a title of its own carries the application's title.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
void ShowModal(QWidget* form);

}  // namespace platform
