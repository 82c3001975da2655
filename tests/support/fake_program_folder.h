#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "runner/tools.h"

// A temporary program folder holding links to the fake adb and aapt; points the tools' folder at it.
class FakeProgramFolder {
 public:
  explicit FakeProgramFolder(bool withAdb = true, bool withAapt = true);
  ~FakeProgramFolder();
  FakeProgramFolder(const FakeProgramFolder&) = delete;
  FakeProgramFolder& operator=(const FakeProgramFolder&) = delete;

  QString path() const;
  void setScenario(const QString& tool, const QString& text);  // writes <tool>.scenario
  QStringList calls() const;                                   // lines of fake_calls.log
  void clearCalls();
  QString deviceRoot();  // creates <folder>/device/sdcard (turns device mode on) and returns it
  void putOnDevice(const QString& relPath, const QByteArray& content = "x");
  bool onDevice(const QString& relPath) const;
  // The package's runtime permissions as the device mode keeps them: "<name> true|false" lines.
  void setRuntimePermissions(const QString& package, const QList<QPair<QString, bool>>& permissions);
  QString runtimePermissions(const QString& package) const;

 private:
  QString devicePath(const QString& relPath) const;

  QTemporaryDir dir_;
  std::optional<Seam<QString>::Override> folder_;
};

// An argument as the fakes write it into calls(): quoted when empty or holding a blank, tab, '"',
// newline or carriage return, with '"' and '\' escaped and newline / carriage return as \n / \r.
QString LoggedArgument(const QString& arg);
