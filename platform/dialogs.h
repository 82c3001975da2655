#pragma once
// Message boxes and modal windows, behind one seam that tests replace with a scripted double.

#include <QString>

#include "platform/seam.h"

class QWidget;

namespace platform {

// Message box styles and answers by their classic numbers (buttons + icon + default button).
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton2 = 256,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
  // Shows the form modal and returns once it is hidden or closed.
  virtual void ShowModal(QWidget* form) = 0;
  // A save dialog modal to the owner: asks before replacing an existing file, accepts only names
  // whose folder exists and adds no extension of its own. Returns the confirmed path as typed, or
  // an empty text when cancelled. An empty initial folder leaves the choice to the system.
  virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                               const QString& defaultName, const QString& initialDir) = 0;
  // A chooser of file-system folders modal to the owner; the folder's path (no closing '/' except
  // for the root), or an empty text when cancelled.
  virtual QString ChooseFolder(QWidget* owner, const QString& title) = 0;
};

// The dialogs in force; nullptr means the Qt ones.
Seam<Dialogs*>& DialogsSeam();

// A box without a title of its own carries the application's title.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
void ShowModal(QWidget* form);
QString SaveFileName(QWidget* owner, const QString& title, const QString& filter, const QString& defaultName,
                     const QString& initialDir = QString());
QString ChooseFolder(QWidget* owner, const QString& title);

// True while a menu, a message box or a modal window of the program is open: a timer or the
// wheel must then leave alone what that window acts on.
bool ModalOrPopupOpen();

}  // namespace platform
