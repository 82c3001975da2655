#include "platform/process.h"
#include "runner/text_paths.h"
#include "support/gtest_qt.h"

TEST(QuoteLocalPath, OrdinaryPathsAreQuoteThenPathThenQuote) {
  for (const char* path : {"/home/u/a.apk", "/home/u/my games/数据.obb", "/a$b/c"})
    EXPECT_EQ(QuoteLocalPath(QString::fromUtf8(path)), "\"" + QString::fromUtf8(path) + "\"") << path;
}

TEST(QuoteLocalPath, EveryPathReachesTheToolAsOneUnchangedArgumentOrProgram) {
  const char* paths[] = {
      "/tmp/with\"quote/tarnwick-a1B2c3/morvell.sh", "/opt/prog\"q/adb",
      "/dir/a\"b.apk",  "/dir/x\"y.obb",    "/dir/trailing\\",   "/dir/two\\\\",  "\\\"",
      "/d/\\\"q",       "/d/a b/\"c d\"",   "/d/$HOME/`id`",     "/d/中文 路径",   "",
      "\"",             "\"\"",             "/d/back\\slash",    "/d/tab\there", "/d/%TEMP%;&|<>",
  };
  for (const char* raw : paths) {
    const QString path = QString::fromUtf8(raw);
    // As the program of a command line and as an argument of one.
    const QString line = QuoteLocalPath(path) + u' ' + QuoteLocalPath(path) + QStringLiteral(" /sdcard/x");
    const auto args = platform::SplitCommandLine(line.toStdString());
    ASSERT_EQ(args.size(), 3u) << raw;
    EXPECT_EQ(QString::fromStdString(args[0]), path) << raw;
    EXPECT_EQ(QString::fromStdString(args[1]), path) << raw;
    EXPECT_EQ(args[2], "/sdcard/x") << raw;
  }
}

TEST(IsPackageName, AcceptsOnlyDotSeparatedSegmentsStartingWithALetter) {
  for (const char* good : {"com.mypackage.app", "a", "A.b_c.d9", "com.Example_1"})
    EXPECT_TRUE(IsPackageName(QString::fromUtf8(good))) << good;
  for (const char* bad : {"", ".", "..", ".com.a", "com.a.", "com..a", "com.1a", "_a", "com.a b", "com/a",
                          "a;reboot", "a'b", "a\nb", "com.a\r", "com.über", "$(id)", "a-b"})
    EXPECT_FALSE(IsPackageName(QString::fromUtf8(bad))) << bad;
}

TEST(CTrim, RemovesControlCodesBlanksAndUnassignedCodesWhereverTheyStand) {
  EXPECT_EQ(CTrim(QString()), "");
  EXPECT_EQ(CTrim(QStringLiteral("  com.a.b \r\n")), "com.a.b");
  EXPECT_EQ(CTrim(QString::fromUtf16(u"a\tb\0c\x7f" "d", 7)), "abcd");
  EXPECT_EQ(CTrim(QStringLiteral("two words")), "twowords");
  EXPECT_EQ(CTrim(QString::fromUtf16(u"a\u0081b\u008dc\u008fd\u0090e\u009df\u0080g")), QString::fromUtf16(u"abcdef\u0080g"));
  EXPECT_EQ(CTrim(QStringLiteral("com.Some_app.v2")), "com.Some_app.v2");
}
