#pragma once
#include <QDir>
#include <QTemporaryDir>

#include "installed_apps/app_actions.h"
#include "platform/shell.h"
#include "runner/dos_outputs.h"
#include "runner/module1.h"
#include "support/fake_program_folder.h"
#include "support/gtest_qt.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "support/test_files.h"

// The fake adb playing a headset that holds com.x, a PC folder whose name needs quoting, dialogs
// scripted, beeps counted and the folders opened in the file manager recorded.
class AppActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::ResetSharedState();
    folder.deviceRoot();
    ASSERT_TRUE(QDir().mkpath(pc));
  }
  void TearDown() override { Module1::ResetSharedState(); }

  app_actions::SelectedApp App() { return {runner, nullptr, cell, CmdResult}; }
  // What the user saw since the last call: the boxes as "title|text", "beep" per beep, then the
  // folders opened.
  QStringList Outcome() {
    QStringList seen;
    for (const RecordedBox& box : dialogs.Boxes().mid(boxesSeen)) seen.append(box.title + "|" + box.text);
    boxesSeen = dialogs.Boxes().size();
    seen += QStringList(beeps.count(), "beep");
    beeps.Reset();
    return seen += std::exchange(opened, {});
  }

  FakeProgramFolder folder;
  ScriptedDialogs dialogs;
  BeepCounter beeps;
  qsizetype boxesSeen = 0;
  QStringList opened;
  Seam<std::function<bool(const QString&)>>::Override opener{
      platform::UrlOpenerSeam(), [this](const QString& address) { return opened.append(address), true; }};
  DOSOutputs runner;
  QString CmdResult;
  QString cell = "com.x \r";  // as the app list leaves it: the echo's blank and the line's end
  ScopedTempFolder dataHome{QString(), "XDG_DATA_HOME"};  // the desktop's trash is the test's own
  // A home on the backups' drive, so that no trash is made at the top of that drive either.
  ScopedTempFolder home{QString(), "HOME"};
  QString Trashed(const QString& name) { return dataHome.filePath("Trash/files/" + name); }
  static QString ReplaceQuestion(const QString& path) {
    return "Tarnwick|" + path + "\nalready holds a backup. Replace it?\n\n"
                                "The earlier backup goes to the trash once the new one is complete.";
  }
  static QStringList Entries(const QString& dir) {  // hidden ones too
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QTemporaryDir pcDir;
  const QString pc = pcDir.path() + "/备份 \"a\" $HOME";
};
