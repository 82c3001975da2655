#pragma once
#include <QPlainTextEdit>

// Placeholder until the log is built.
class LogBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  using QPlainTextEdit::QPlainTextEdit;
};
