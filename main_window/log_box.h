#pragma once
#include <QPlainTextEdit>
#include <QString>

// The main window's log. It keeps the exact text (CR LF and lone CR included) beside the shown
// document, because the document turns every line end into a paragraph. Appending adds only the
// new piece to both, so a long output costs time in proportion to its size.
class LogBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit LogBox(QWidget* parent = nullptr);

  QString Text() const { return text_; }
  void SetText(const QString& text);
  void AppendText(const QString& text);
  // The caret as a position in Text() (0 to its length).
  int SelStart() const { return selStart_; }
  void SetSelStart(int position);

 signals:
  void Changed();

 private:
  QString ShownForm(const QString& text);  // line ends as the document shows them
  int ShownPosition(int position) const;

  QString text_;
  int selStart_ = 0;
  bool endsInCarriageReturn_ = false;  // a LF that follows is part of the line end already shown
};
