#include <QList>
#include <optional>

#include "main_window/disk_space.h"
#include "runner/text_paths.h"
#include "support/fixtures.h"
#include "support/gtest_qt.h"

namespace {

const QString kHeader = QStringLiteral("Filesystem       Size  Used Avail Use% Mounted on\r\n");

QString DataLine(const QString& columns) { return kHeader + QStringLiteral("/dev/fuse        ") + columns + "\r\n"; }

}  // namespace

TEST(DiskSpace, LabelTextsComputeFreeFromWholeSizesAndKeepUnitsWhenNumbersAreMissing) {
  struct Case {
    QString output, size, used;
    std::optional<QString> free;
    QString percent;
  };
  const QList<Case> cases = {
      {DataLine("114G   16G   98G  15% /storage/emulated"), "114 Gb", "16 Gb", "98 Gb", "15 %"},
      {DataLine("6.5G  1.7G  4.8G  26% /x"), "6.5 Gb", "1.7 Gb", "5 Gb", "26 %"},
      {"x 114G", "114 Gb", " Gb", std::nullopt, " %"},
      {"error: no devices/emulators found\r\n", " Gb", " Gb", std::nullopt, " %"},
  };
  for (const Case& c : cases) {
    const DiskSpaceTexts t = DiskSpaceLabelTexts(c.output);
    EXPECT_EQ(QStringList({t.size, t.used, t.percent}), QStringList({c.size, c.used, c.percent})) << c.output.toStdString();
    EXPECT_EQ(t.free, c.free) << c.output.toStdString();
  }
}

TEST(DiskSpace, ScanTable) {
  struct Case {
    const char* name;
    QString output;
    QStringList numbers;
  };
  const QList<Case> cases = {
      {"four digits keep the first three", DataLine("1024G  16G  98G  15% /x"), {"102", "16", "98", "15"}},
      {"decimal sizes are read as decimals", DataLine("6.5G  1.2G  5.3G  19% /x"), {"6.5", "1.2", "5.3", "19"}},
      {"a point at the window's end is dropped", DataLine("12.5G  1G  11G  8% /x"), {"12", "1", "11", "8"}},
      {"other units are converted to G", DataLine("1.5T  512M  1.0T  34% /x"), {"1536", "0.5", "1024", "34"}},
      {"a fifth number is ignored", QStringLiteral("a 1   2   3   4   5"), {"1", "2", "3", "4"}},
      {"position one is never a start", QStringLiteral(" 7 8"), {"8"}},
      {"the last character is never a start", QStringLiteral("x 9 "), {"9"}},
      {"header only", kHeader, {}},
      {"empty output", QString(), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ScanDfNumbers(c.output), c.numbers) << c.name;
}

TEST(DiskSpace, DigitsOnlyKeepsAsciiDigitsInOrder) {
  EXPECT_EQ(DigitsOnly(QStringLiteral(" 1a2.3%")), "123");
  EXPECT_EQ(DigitsOnly(QStringLiteral("G ％٣")), "");
}

TEST(DiskSpace, StoragePathIsTheLastLineOfTheEcho) {
  const QByteArray daemonStart = Fixture("adb_daemon_start.txt").append("/sdcard\n").toUtf8();
  for (const auto& [echo, path] : {std::pair{"/sdcard\r\n", "/sdcard"}, {"/sdcard\n", "/sdcard"}, {"\r\n", ""},
                                   {daemonStart.constData(), "/sdcard"},
                                   // adb's error texts must never become arguments of rm -r on the device
                                   {"error: no devices/emulators found\n", ""}, {"adb: cannot Connect\r\n", ""}})
    EXPECT_EQ(DeviceStoragePath(QString::fromUtf8(echo)), path) << echo;
}
