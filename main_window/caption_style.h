#pragma once
#include <QProxyStyle>

class QWidget;

// Captions carry trailing blanks that belong to their text; drawn as they are they push a centred
// caption to the left and cut off its start. This style draws every caption without them, and
// wraps a caption that is wider than its place onto a second line, as classic buttons do.
class CaptionStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                    const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

// Makes the font of each button and check box under root smaller, down to 7 points, until its
// caption fits.
void FitCaptionFonts(QWidget* root);
