#include "main_window/log_box.h"

#include <QTextCursor>

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

// The document itself breaks a line at CR LF, a lone CR or LF alike, so a piece goes in as it is,
// but for the LF of a CR LF that the end of the piece before has broken already.
QString LogBox::ShownForm(QStringView text) {
  if (endsInCarriageReturn_ && text.startsWith(QLatin1Char('\n'))) {
    text = text.sliced(1);
    endsInCarriageReturn_ = false;
  }
  if (!text.isEmpty()) endsInCarriageReturn_ = text.endsWith(QLatin1Char('\r'));
  return text.toString();
}

int LogBox::ShownPosition(int position) const {
  if (position >= text_.size()) return document()->characterCount() - 1;
  int shown = 0;
  for (int i = shownFrom_; i < position; ++i)
    if (!(text_[i] == QLatin1Char('\n') && i > 0 && text_[i - 1] == QLatin1Char('\r'))) ++shown;
  return shown;
}

void LogBox::SetText(const QString& text) {
  text_ = text;
  ShowTail();
  selStart_ = 0;
  caretPending_ = false;
  emit Changed();
}

void LogBox::AppendText(const QString& text) {
  if (text.isEmpty()) return;
  text_ += text;
  ScheduleFlush();
  emit Changed();
}

void LogBox::SetSelStart(int position) {
  selStart_ = qBound(0, position, static_cast<int>(text_.size()));
  caretPending_ = true;
  ScheduleFlush();
}

void LogBox::ScheduleFlush() {
  if (flushScheduled_) return;
  flushScheduled_ = true;
  QMetaObject::invokeMethod(this, &LogBox::Flush, Qt::QueuedConnection);
}

void LogBox::Flush() {
  flushScheduled_ = false;
  const qsizetype unshown = text_.size() - shownTo_;
  if (unshown > kShownLimit || document()->characterCount() + unshown > 2 * kShownLimit) {
    ShowTail();
  } else if (unshown > 0) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(ShownForm(QStringView(text_).sliced(shownTo_)));
    shownTo_ = text_.size();
  }
  if (caretPending_) {
    caretPending_ = false;
    QTextCursor caret(document());
    caret.setPosition(qMin(ShownPosition(selStart_), document()->characterCount() - 1));
    setTextCursor(caret);
    ensureCursorVisible();
  }
}

// Showing only the end keeps a very long output from costing more than the output itself.
void LogBox::ShowTail() {
  shownTo_ = text_.size();
  int start = qMax(0, static_cast<int>(text_.size()) - kShownLimit);
  if (start > 0) {
    int lineEnd = static_cast<int>(text_.indexOf(QLatin1Char('\n'), start));
    if (lineEnd >= 0) start = lineEnd + 1;  // begin with a whole line
  }
  shownFrom_ = start;
  endsInCarriageReturn_ = false;
  setPlainText(ShownForm(QStringView(text_).sliced(start)));
}
