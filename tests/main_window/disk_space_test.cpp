#include <gtest/gtest.h>

#include <QList>

#include "main_window/disk_space.h"

namespace {

const QString kHeader = QStringLiteral("Filesystem       Size  Used Avail Use% Mounted on\r\n");

QString DataLine(const QString& columns) { return kHeader + QStringLiteral("/dev/fuse        ") + columns + "\r\n"; }

}  // namespace

TEST(DiskSpace, ReadsSizeUsedFreePercentAndComputesFree) {
  const DiskSpaceTexts t = DiskSpaceLabelTexts(DataLine(QStringLiteral("114G   16G   98G  15% /storage/emulated")));
  EXPECT_EQ(t.size, "114 Gb");
  EXPECT_EQ(t.used, "16 Gb");
  ASSERT_TRUE(t.free.has_value());
  EXPECT_EQ(*t.free, "98 Gb");
  EXPECT_EQ(t.percent, "15 %");
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

TEST(DiskSpace, MissingNumbersLeaveUnitsAndNoFreeFigure) {
  const DiskSpaceTexts one = DiskSpaceLabelTexts(QStringLiteral("x 114G"));
  EXPECT_EQ(one.size, "114 Gb");
  EXPECT_EQ(one.used, " Gb");
  EXPECT_FALSE(one.free.has_value());
  EXPECT_EQ(one.percent, " %");

  const DiskSpaceTexts none = DiskSpaceLabelTexts(QStringLiteral("error: no devices/emulators found\r\n"));
  EXPECT_EQ(none.size, " Gb");
  EXPECT_FALSE(none.free.has_value());
}

TEST(DiskSpace, FreeUsesWholePartsOfDecimalSizes) {
  const DiskSpaceTexts t = DiskSpaceLabelTexts(DataLine(QStringLiteral("6.5G  1.7G  4.8G  26% /x")));
  ASSERT_TRUE(t.free.has_value());
  EXPECT_EQ(*t.free, "5 Gb");
}

TEST(DiskSpace, DigitsOnlyKeepsDigitsInOrder) {
  EXPECT_EQ(DigitsOnly(QStringLiteral(" 1a2.3%")), "123");
  EXPECT_EQ(DigitsOnly(QStringLiteral("G ％٣")), "");
}

TEST(DiskSpace, StoragePathIsTheLastLineOfTheEcho) {
  EXPECT_EQ(DeviceStoragePath(QStringLiteral("/sdcard\r\n")), "/sdcard");
  EXPECT_EQ(DeviceStoragePath(QStringLiteral("/sdcard\n")), "/sdcard");
  EXPECT_EQ(DeviceStoragePath(
                QStringLiteral("* daemon not running; starting now at tcp:5037\n* daemon started successfully\n/sdcard\n")),
            "/sdcard");
  EXPECT_EQ(DeviceStoragePath(QStringLiteral("\r\n")), "");
}
