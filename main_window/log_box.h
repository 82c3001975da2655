#pragma once
#include <QPlainTextEdit>
#include <QString>

// The main window's log. It keeps the exact text (CR LF and lone CR included) beside the shown
// document, because the document turns every line end into a paragraph. Appending adds only the
// new piece, and the document takes the end of the text not yet shown in one go when the event
// loop is back (nothing repaints while a command runs anyway), so a long output costs time in
// proportion to its size and is kept once.
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
  // The caret to the end of the text, so the box shows its last line.
  void CaretToEnd() { SetSelStart(static_cast<int>(text_.size())); }
  // The log's one way to add text: append it, then the caret to the end.
  void AppendAndShowEnd(const QString& text) {
    AppendText(text);
    CaretToEnd();
  }
  // Brings the shown document up to date; runs by itself once the event loop is back.
  void Flush();
  // The document shows at most about this many characters: the end of the text.
  static constexpr int kShownLimit = 1'000'000;

 signals:
  void Changed();

 private:
  QString ShownForm(QStringView text);  // the piece as the document takes it
  int ShownPosition(int position) const;

  void ScheduleFlush();
  void ShowTail();

  int shownFrom_ = 0;  // the position in text_ where the shown document starts
  QString text_;
  qsizetype shownTo_ = 0;  // the end of what the document has taken of text_
  bool flushScheduled_ = false;
  bool caretPending_ = false;
  int selStart_ = 0;
  bool endsInCarriageReturn_ = false;  // a LF that follows is part of the line end already shown
};
