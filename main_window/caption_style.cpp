#include "main_window/caption_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QWidget>

namespace {

QString WithoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1].isSpace()) --end;
  return text.left(end);
}

constexpr qreal kSmallestPointSize = 7.0;

}  // namespace

void CaptionStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                                bool enabled, const QString& text, QPalette::ColorRole textRole) const {
  QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, WithoutTrailingBlanks(text), textRole);
}

void FitCaptionFonts(QWidget* root) {
  for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
    const QString caption = WithoutTrailingBlanks(button->text());
    // Room the style takes for the frame of a button or the box of a check box.
    const int reserved = qobject_cast<QCheckBox*>(button) ? 24 : 10;
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(caption) + reserved > button->width() &&
           font.pointSizeF() - 0.5 >= kSmallestPointSize)
      font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button->font()) button->setFont(font);
  }
}
