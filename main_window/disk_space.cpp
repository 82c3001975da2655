#include "runner/text_paths.h"
#include "main_window/disk_space.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int kWindowLength = 4;
constexpr int kNumbersKept = 4;

// The number inside the four-character window: its digits, and a point only where digits stand
// on both sides of it ("6.5G" reads 6.5).
QString WindowNumber(const QString& window) {
  static const QRegularExpression decimal(QStringLiteral("[0-9]\\.[0-9]"));
  const QRegularExpressionMatch match = decimal.match(window);
  if (!match.hasMatch()) return DigitsOnly(window);
  const qsizetype point = match.capturedStart() + 1;
  return DigitsOnly(window.left(point)) + QLatin1Char('.') + DigitsOnly(window.mid(point + 1));
}

// The unit letter that closes the column starting at `from` (the character after the blank).
QChar ColumnUnit(const QString& text, qsizetype from) {
  qsizetype end = from;
  while (end < text.size() && !text[end].isSpace()) ++end;
  return end > from ? text[end - 1].toUpper() : QChar();
}

// Powers of 1024 from G; df -h prints K, M, G, T, P.
std::optional<double> FactorToGiga(QChar unit) {
  switch (unit.unicode()) {
    case 'K': return 1.0 / (1024.0 * 1024.0);
    case 'M': return 1.0 / 1024.0;
    case 'T': return 1024.0;
    case 'P': return 1024.0 * 1024.0;
    default: return std::nullopt;
  }
}

QString InGiga(const QString& number, double factor) {
  const double value = number.toDouble() * factor;
  QString text = QString::number(value, 'f', 1);
  if (text.endsWith(QLatin1String(".0"))) text.chop(2);
  return text;
}

}  // namespace

QStringList ScanDfNumbers(const QString& dfOutput) {
  QStringList numbers;
  // Positions as 1-based: i from 2 to length - 1, so index 1 .. length - 2 here.
  for (qsizetype i = 1; i + 1 < dfOutput.size() && numbers.size() < kNumbersKept; ++i) {
    if (dfOutput[i] != QLatin1Char(' ') || dfOutput[i + 1] == QLatin1Char(' ')) continue;
    QString number = WindowNumber(dfOutput.mid(i, kWindowLength));
    if (number.isEmpty()) continue;
    if (const auto factor = FactorToGiga(ColumnUnit(dfOutput, i + 1))) number = InGiga(number, *factor);
    numbers << number;
  }
  return numbers;
}

DiskSpaceTexts DiskSpaceLabelTexts(const QString& dfOutput) {
  const QStringList numbers = ScanDfNumbers(dfOutput);
  const auto number = [&](int k) { return k < numbers.size() ? numbers[k] : QString(); };
  DiskSpaceTexts texts;
  texts.size = number(0) + QStringLiteral(" Gb");
  texts.used = number(1) + QStringLiteral(" Gb");
  texts.percent = number(3) + QStringLiteral(" %");
  if (numbers.size() >= 2) {
    const double free = std::floor(numbers[0].toDouble()) - std::floor(numbers[1].toDouble());
    texts.free = QString::number(free, 'f', 0) + QStringLiteral(" Gb");
  }
  return texts;
}

QString DeviceStoragePath(const QString& echoOutput) {
  const QStringList lines = echoOutput.split(QLatin1Char('\n'));
  for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
    QString path = *line;
    while (path.endsWith(QLatin1Char('\r'))) path.chop(1);
    if (path.isEmpty()) continue;
    // adb's error text ("error: no devices/emulators found") is no path: it would end up as
    // arguments of rm -r on the device.
    bool absolute = path.startsWith(QLatin1Char('/')) && !path.contains(QLatin1Char(' ')) && !path.contains(QLatin1Char('\t'));
    return absolute ? path : QString();
  }
  return QString();
}
