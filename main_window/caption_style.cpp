#include "main_window/caption_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
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
  const QString caption = WithoutTrailingBlanks(text);
  if (painter->fontMetrics().horizontalAdvance(caption) > rect.width()) flags |= Qt::TextWordWrap;
  QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, caption, textRole);
}

namespace {

bool FitsWith(const QAbstractButton* button, const QFont& font) {
  const QString caption = WithoutTrailingBlanks(button->text());
  QFontMetrics metrics(font);
  // Room the style takes for the box of a check box or the frame of a button.
  if (qobject_cast<const QCheckBox*>(button)) return metrics.horizontalAdvance(caption) + 24 <= button->width();
  QRect room(0, 0, button->width() - 8, button->height() - 4);
  QRect needed = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, caption);
  return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace

void FitCaptionFonts(QWidget* root) {
  for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
    QFont font = button->font();
    while (!FitsWith(button, font) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
      font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button->font()) button->setFont(font);
  }
}
