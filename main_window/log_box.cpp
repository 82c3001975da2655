#include "main_window/log_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

QString LogBox::ShownForm(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (QChar c : text) {
    if (c == QLatin1Char('\n') && endsInCarriageReturn_) {
      endsInCarriageReturn_ = false;
      continue;
    }
    endsInCarriageReturn_ = c == QLatin1Char('\r');
    shown.append(endsInCarriageReturn_ ? QChar(QLatin1Char('\n')) : c);
  }
  return shown;
}

int LogBox::ShownPosition(int position) const {
  if (position >= text_.size()) return document()->characterCount() - 1;
  int shown = 0;
  for (int i = 0; i < position; ++i)
    if (!(text_[i] == QLatin1Char('\n') && i > 0 && text_[i - 1] == QLatin1Char('\r'))) ++shown;
  return shown;
}

void LogBox::SetText(const QString& text) {
  text_ = text;
  endsInCarriageReturn_ = false;
  setPlainText(ShownForm(text));
  selStart_ = 0;
  emit Changed();
}

void LogBox::AppendText(const QString& text) {
  if (text.isEmpty()) return;
  text_ += text;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(ShownForm(text));
  emit Changed();
}

void LogBox::SetSelStart(int position) {
  selStart_ = qBound(0, position, static_cast<int>(text_.size()));
  QTextCursor caret(document());
  caret.setPosition(qMin(ShownPosition(selStart_), document()->characterCount() - 1));
  setTextCursor(caret);
  ensureCursorVisible();
}
