#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/registry.h"
#include "support/gtest_qt.h"
#include "support/test_files.h"

namespace {

// Points XDG_DATA_HOME at a folder of the test while it lives.
class DataHome {
 public:
  explicit DataHome(const QString& path) : previous_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
  ~DataHome() { qputenv("XDG_DATA_HOME", previous_); }

 private:
  QByteArray previous_;
};

QString ReadEntry() {
  return QString::fromUtf8(ReadTestFile(platform::ApplicationsFolder() + "/tarnwick.desktop"));
}

}  // namespace

TEST(DesktopEntry, VerbValuesBecomeOneEntryForApkFiles) {
  QTemporaryDir dir;
  DataHome home(dir.path());
  const QString verb = "HKCR\\*\\shell\\Tarnwick";
  const QString program = "/opt/my apps/tarn$wick";
  ASSERT_TRUE(platform::RegWrite(verb + "\\Command\\", program + " %1", "REG_SZ"));
  ASSERT_TRUE(platform::RegWrite(verb + "\\AppliesTo", ".apk", "REG_SZ"));
  ASSERT_TRUE(platform::RegWrite(verb + "\\Icon", program, "REG_SZ"));
  ASSERT_TRUE(platform::RegWrite(verb + "\\Icon", "/opt/other", "REG_SZ"));  // a value written again replaces it

  const QString entry = ReadEntry();
  EXPECT_TRUE(entry.contains("\nExec=\"/opt/my apps/tarn\\\\$wick\" %f\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nMimeType=application/vnd.android.package-archive;\n"));
  EXPECT_TRUE(entry.contains("\nIcon=/opt/other\n"));
  EXPECT_EQ(entry.count("Icon="), 1);
}

TEST(DesktopEntry, RefusesWhatIsNoVerbValueAndWhatCannotBeWritten) {
  QTemporaryDir dir;
  {
    DataHome home(dir.path());
    EXPECT_FALSE(platform::RegWrite("HKCU\\Software\\Tarnwick\\Icon", "x"));
    EXPECT_FALSE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\Other", "x"));
    EXPECT_FALSE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\Icon", "x", "REG_DWORD"));
    EXPECT_TRUE(ReadEntry().isEmpty());
  }
  ASSERT_TRUE(WriteTestFile(dir.path() + "/file"));
  DataHome unwritable(dir.path() + "/file");
  EXPECT_FALSE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\Icon", "/opt/tarnwick"));
}

// Program folders with '%', blanks, quotes, '`', '$' or '\' give an Exec line that the file
// manager reads back as the program path; desktop-file-validate checks the file where installed.
TEST(DesktopEntry, ExecNamesAnyProgramPathByTheDesktopEntryRules) {
  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  const QList<std::pair<QString, QString>> cases = {
      {"/opt/tarnwick", "/opt/tarnwick"},
      {"/opt/100%/tarnwick", "/opt/100%%/tarnwick"},
      {"/opt/my 100%/tarnwick", "\"/opt/my 100%%/tarnwick\""},
      {"/opt/a\"b/`c`/$d", "\"/opt/a\\\\\"b/\\\\`c\\\\`/\\\\$d\""},
      {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
  };
  for (const auto& [program, exec] : cases) {
    QTemporaryDir dir;
    DataHome home(dir.path());
    ASSERT_TRUE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\Command\\", program + " %1"));
    ASSERT_TRUE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\AppliesTo", ".apk"));
    ASSERT_TRUE(platform::RegWrite("HKCR\\*\\shell\\Tarnwick\\Icon", program));
    const QString entry = ReadEntry();
    EXPECT_TRUE(entry.contains("\nExec=" + exec + " %f\n")) << entry.toStdString();
    if (validator.isEmpty()) continue;
    QProcess validate;
    validate.start(validator, {platform::ApplicationsFolder() + "/tarnwick.desktop"});
    ASSERT_TRUE(validate.waitForFinished(10000));
    EXPECT_EQ(validate.exitCode(), 0) << program.toStdString() << "\n" << validate.readAll().toStdString();
  }
  if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed; the Exec lines were checked";
}
