#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The first four numbers of df's output. A number starts at a blank followed by a non-blank, and
// only the four characters from that blank are read, so sizes of four digits or more lose their
// tail (1024G reads as 102). A decimal point between digits inside those characters is kept
// ("6.5G" reads as 6.5). A size that df gives in another unit than G is converted to G.
QStringList ScanDfNumbers(const QString& dfOutput);

struct DiskSpaceTexts {
  QString size;                 // Label7
  QString used;                 // Label8
  std::optional<QString> free;  // Label9; none when size or used is missing (the label keeps its text)
  QString percent;              // Label10
};
DiskSpaceTexts DiskSpaceLabelTexts(const QString& dfOutput);

// The device's storage path out of the echo of $EXTERNAL_STORAGE: its last non-empty line,
// without line ends (adb may print its daemon start-up lines first). Empty unless that line is
// an absolute path without blanks.
QString DeviceStoragePath(const QString& echoOutput);
