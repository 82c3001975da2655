#include <QCheckBox>
#include <QPushButton>
#include <QLabel>

#include "main_window/morvell.h"
#include "main_window/obb_candidates.h"
#include "main_window/obb_picker.h"
#include "runner/text_paths.h"
#include "platform/beep.h"
#include "platform/dialogs.h"

namespace {

const QString kTryConnecting = QStringLiteral("尝试连接设备以进行Tarnwick，请稍候！                                   ");
const QString kSkipAll = QStringLiteral("跳过所有obb文件            ");
const QString kInstallObb = QStringLiteral("安装额外的 obb 文件：                ");
const QString kSkippedObb = QStringLiteral("跳过的obb文件：         ");
const QString kAllDone = QStringLiteral("所有任务都完成了！       ");


// adb push takes its target literally; a blank or a '"' from the file name would split it or
// merge it with the next argument, so such a target is quoted like a local path.
QString DeviceTarget(const QString& path) {
  const bool quote = path.contains(u' ') || path.contains(u'\t') || path.contains(u'"');
  return quote ? QuoteLocalPath(path) : path;
}

QString SilencedListing(morvell& w) {
  SilencedOutput quiet;
  return w.RunOnObbFolder(w.EchoStorage(), [](const QString& obbFolder) { return QStringLiteral(" shell ls -Ral ") + obbFolder; });
}

// The arrays end at entry 255: later candidates are left out of this install.
void StoreCandidates(const QList<ObbCandidate>& candidates) {
  int count = 0;
  for (const ObbCandidate& candidate : candidates) {
    if (!Module1::ObbFileNames.Set(count + 1, candidate.name)) break;
    Module1::ObbFilePaths.Set(count + 1, candidate.path);
    ++count;
  }
  Module1::ObbCount = count;
}

void TransferObbFiles(morvell& w) {
  QString listing = SilencedListing(w);

  const int count = Module1::ObbCount;
  int present = 0;
  for (int n = 1; n <= count; ++n)
    if (ListingNamesFile(listing, Module1::ObbFileNames[n])) ++present;
  if (present == count || !Module1::ObbConfirmed) {
    w.LogLine(kSkipAll);
    return;
  }

  bool firstTransferDone = false;
  for (int n = 1; n <= count; ++n) {
    const QString name = Module1::ObbFileNames[n];
    bool transfer = true;
    // Candidates without a row in the picker are always transferred.
    if (n <= Form3::kRows) transfer = !w.Form3Instance()->Check1[n - 1]->isChecked();
    if (!transfer) {
      w.LogLine(kSkippedObb + name);
      continue;
    }
    if (!firstTransferDone) {
      firstTransferDone = true;
      // Nothing of this app's data on the device yet: clear leftovers of another version first.
      if (present == 0) {
        w.LogObbFolderRemoval();
        SilencedOutput quiet;
        w.RunOnObbFolder(w.EchoStorage(), [](const QString& obbFolder) { return QStringLiteral(" shell rm -r ") + obbFolder; });
      }
    }
    listing = SilencedListing(w);
    if (ListingNamesFile(listing, name)) {
      w.LogLine(kSkippedObb + name);
      continue;
    }
    w.LogLine(kInstallObb + name);
    WaitSeconds(0.3f);
    QString storageEcho;
    {
      SilencedOutput quiet;
      storageEcho = w.EchoStorage();
    }
    const QString localPath = Module1::ObbFilePaths[n];
    w.RunOnObbFolder(storageEcho, [&](const QString& obbFolder) {
      return QStringLiteral(" push ") + QuoteLocalPath(localPath) + u' ' + DeviceTarget(obbFolder + u'/' + name);
    });
  }
}

}  // namespace

void morvell::Command1_Click() {
  Busy = true;
  Module1::ObbCount = 0;
  for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5, Command6, Command9, Command10,
                              Command11, Command12})
    button->setEnabled(false);

  ObbCollection collection = CollectObbCandidates(GetFolderPath(ApkPath), Label2->text());
  if (collection.fromPackageFolder) platform::Beep();
  StoreCandidates(collection.candidates);

  if (Module1::ObbCount > 0) {
    // Only the picker's install button confirms; closing it by its close box never does.
    Module1::ObbConfirmed = false;
    platform::ShowModal(Form3Instance());
  }

  LogLine(kTryConnecting);
  WaitSeconds(0.2f);
  QString install = Check1->isChecked() ? QStringLiteral(" install -r -g ") : QStringLiteral(" install -r ");
  RunAdb(install + QuoteLocalPath(ApkPath));

  if (Module1::ObbCount > 0) {
    if (IsPackageName(Label2->text())) TransferObbFiles(*this);
    else LogLine(kSkipAll);
  }

  ShowDiskSpace();
  platform::Beep();
  LogLine(kAllDone);
  Command1->setEnabled(false);
  for (QPushButton* button : {Command2, Command3, Command4, Command5, Command6}) button->setEnabled(true);
  for (QPushButton* button : {Command9, Command10, Command11, Command12}) button->setEnabled(false);
  Busy = false;
}
