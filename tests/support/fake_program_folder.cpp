#include "support/fake_program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

#include "runner/tools.h"
#include "support/test_files.h"

namespace {

void writeFile(const QString& path, const QByteArray& content) {
  if (!WriteTestFile(path, content)) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

FakeProgramFolder::FakeProgramFolder(bool withAdb, bool withAapt) {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary program folder");
  for (const QString& tool : {QStringLiteral("adb"), QStringLiteral("aapt")}) {
    if ((tool == "adb" && !withAdb) || (tool == "aapt" && !withAapt)) continue;
    if (!QFile::link(QStringLiteral(FAKES_DIR "/") + tool, dir_.filePath(tool)))
      throw std::runtime_error("cannot link the fake " + tool.toStdString());
  }
  folder_.emplace(tools::ProgramFolderSeam(), path());
}

FakeProgramFolder::~FakeProgramFolder() = default;

QString FakeProgramFolder::path() const { return dir_.path(); }

void FakeProgramFolder::setScenario(const QString& tool, const QString& text) {
  writeFile(dir_.filePath(tool + ".scenario"), text.toUtf8());
}

QStringList FakeProgramFolder::calls() const {
  QFile file(dir_.filePath("fake_calls.log"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString LoggedArgument(const QString& arg) {
  static const QString special = QStringLiteral(" \t\"\n\r");
  if (!arg.isEmpty() && std::none_of(arg.begin(), arg.end(), [](QChar c) { return special.contains(c); })) return arg;
  QString out = QStringLiteral("\"");
  for (const QChar c : arg) {
    if (c == u'\n') out += QStringLiteral("\\n");
    else if (c == u'\r') out += QStringLiteral("\\r");
    else if (c == u'"' || c == u'\\') out += u'\\' + QString(c);
    else out += c;
  }
  return out + u'"';
}

void FakeProgramFolder::clearCalls() { QFile::remove(dir_.filePath("fake_calls.log")); }

QString FakeProgramFolder::deviceRoot() {
  const QString root = dir_.filePath("device/sdcard");
  if (!QDir().mkpath(root)) throw std::runtime_error("cannot create the device folder");
  return root;
}

QString FakeProgramFolder::devicePath(const QString& relPath) const {
  return dir_.filePath("device/sdcard/" + relPath);
}

void FakeProgramFolder::putOnDevice(const QString& relPath, const QByteArray& content) {
  deviceRoot();
  writeFile(devicePath(relPath), content);
}

bool FakeProgramFolder::onDevice(const QString& relPath) const { return QFileInfo::exists(devicePath(relPath)); }

void FakeProgramFolder::setRuntimePermissions(const QString& package, const QList<QPair<QString, bool>>& permissions) {
  deviceRoot();
  QByteArray text;
  for (const auto& [name, granted] : permissions) text += name.toUtf8() + (granted ? " true\n" : " false\n");
  writeFile(dir_.filePath("device/runtime_permissions/" + package), text);
}

QString FakeProgramFolder::runtimePermissions(const QString& package) const {
  return QString::fromUtf8(ReadTestFile(dir_.filePath("device/runtime_permissions/" + package)));
}
