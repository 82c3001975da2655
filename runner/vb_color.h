#pragma once
// Colours as 24-bit numbers with red in the low byte; a number with the top bit set names a
// system colour (0x8000000F is the face of buttons). Widgets keep the number they were given,
// so a colour read back is the number that was set.

#include <QColor>
#include <QtGlobal>

class QWidget;

namespace vbcolor {

constexpr qint32 kButtonFace = static_cast<qint32>(0x8000000Fu);
constexpr qint32 kButtonText = static_cast<qint32>(0x80000012u);
constexpr qint32 kWindowBackground = static_cast<qint32>(0x80000005u);  // the grid's own background

constexpr qint32 Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

QColor ToQColor(qint32 colour);

qint32 BackColor(const QWidget* widget);  // kButtonFace when never set
qint32 ForeColor(const QWidget* widget);  // kButtonText when never set
void SetBackColor(QWidget* widget, qint32 colour);
void SetForeColor(QWidget* widget, qint32 colour);

}  // namespace vbcolor
