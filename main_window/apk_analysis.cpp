#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "runner/text_paths.h"
#include "main_window/apk_icon.h"
#include "main_window/badging_parser.h"
#include "main_window/log_box.h"
#include "main_window/morvell.h"
#include "main_window/obb_candidates.h"
#include "platform/beep.h"
#include "runner/tools.h"

namespace {

// Entries tried in this order when the badging gives no usable PNG.
const std::array<QString, 3> kFallbackIcons = {
    QStringLiteral("res\\mipmap-mdpi\\app_icon.png"),
    QStringLiteral("res\\drawable-mdpi-v4\\app_icon.png"),
    QStringLiteral("res\\mipmap-mdpi-v4\\app_icon.png"),
};


// Names of the files directly in the folder whose path ends in "obb" (any case), listed as the
// install lists its candidates; at most what the array holds. False when the folder cannot be read.
bool CollectObbNames(const QString& folder, BoundedTextArray<255>& names, qint16& count) {
  bool listed = false;
  for (const QString& name : FilesInFolder(folder, &listed)) {
    if (!name.endsWith(QLatin1String("obb"), Qt::CaseInsensitive)) continue;
    if (!names.Set(count + 1, name)) break;
    ++count;
  }
  return listed;
}

}  // namespace

void morvell::RunBadging() {
  {
    SilencedOutput quiet;
    objDOS->CommandLine(tools::AaptCommand(QStringLiteral(" d badging ") + QuoteLocalPath(ApkPath)));
    LastOutput = objDOS->ExecuteCommand();
  }

  const BadgingResult badging = ParseBadging(LastOutput);
  BadgingInfo = badging.info;
  ManifestPermCount = badging.permissionCount;
}

void morvell::ShowApkIcon() {
  // The entry is read from the APK under its own name: the user's file is never renamed, so
  // nothing is left to repair when the program dies here.
  if (!BadgingInfo[kIconSlot].endsWith(QLatin1String("png"))) BadgingInfo.Set(kIconSlot, kFallbackIcons[0]);
  const QString folder = tools::ProgramFolder();
  QStringList tried;
  bool copied = false;
  for (;;) {
    BadgingInfo.Set(kIconSlot, TrimBlanks(QString(BadgingInfo[kIconSlot]).replace(QLatin1Char('/'), QLatin1Char('\\'))));
    tried << BadgingInfo[kIconSlot];
    copied = CopyZipEntry(ApkPath, BadgingInfo[kIconSlot], folder);
    IconPath = folder + QLatin1Char('/') + GetFileName(BadgingInfo[kIconSlot]);
    if (copied) break;
    const auto next = std::find_if(kFallbackIcons.begin(), kFallbackIcons.end(),
                                   [&](const QString& entry) { return !tried.contains(entry); });
    if (next == kFallbackIcons.end()) break;
    BadgingInfo.Set(kIconSlot, *next);
  }
  // Only a copy made here is drawn and deleted; a file of that name that was already in the
  // program's folder is not ours.
  if (!copied) return;
  DrawPictureFile(IconPath, Picture1);
  QFile::remove(IconPath);
}

void morvell::FillApkLabels() {
  for (int k = 1; k <= 4; ++k) {
    static constexpr std::array<int, 5> kSlotOfLabel = {0, kLabelSlot, kPackageSlot, kVersionNameSlot, kVersionCodeSlot};
    Label[k]->setText(BadgingInfo[kSlotOfLabel[k]]);
  }
  for (int k = 1; k <= 4; ++k) Label[k]->setToolTip(Label[k]->text());
}

void morvell::FindObbFiles() {
  BoundedTextArray<255> ObbListNames;
  qint16 count = 0;
  const QString folder = GetFolderPath(ApkPath);
  const QString packageFolder = PackageFolderFor(folder, Label2->text());
  // A folder that cannot be read ends the listing: no beep, no buttons, nothing logged.
  if (!packageFolder.isEmpty()) {
    if (!CollectObbNames(packageFolder, ObbListNames, count)) return;
    platform::Beep();
    for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5, Command6, Command11, Command12})
      button->setEnabled(true);
  } else if (!CollectObbNames(folder, ObbListNames, count)) {
    return;
  }
  if (count == 0) return;
  LogLine(QStringLiteral("Found OBB Files: "));
  QString names;
  for (int k = 1; k <= count; ++k) names += ObbListNames[k] + QStringLiteral("\r\n");
  txtOutputs->AppendAndShowEnd(names);
}
