#include "installed_apps/backup_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/trash.h"
#include "runner/text_paths.h"

namespace {
const QString kErrorTitle = QStringLiteral("Error");
}

BackupTarget::BackupTarget(const QString& folder, const QString& package) : folder_(folder), package_(package) {}

BackupTarget::~BackupTarget() = default;

QString BackupTarget::Path() const { return JoinPath(folder_, package_); }

bool BackupTarget::Prepare() {
  staging_.reset();
  const QFileInfo earlier(Path());
  if (!earlier.exists() && !earlier.isSymLink()) return true;  // a dangling link is something there too
  const QString question = Path() + QStringLiteral("\nalready holds a backup. Replace it?\n\n"
                                                   "The earlier backup goes to the trash once the new one is complete.");
  if (platform::MsgBox(question, platform::vbYesNo | platform::vbQuestion | platform::vbDefaultButton2) !=
      platform::vbYes)
    return false;
  staging_ = std::make_unique<QTemporaryDir>(JoinPath(folder_, u'.' + package_ + QStringLiteral("-new-XXXXXX")));
  if (staging_->isValid()) return true;
  platform::MsgBox(folder_ + u'\n' + staging_->errorString(), platform::vbCritical, kErrorTitle);
  staging_.reset();
  return false;
}

QString BackupTarget::PullFolder() const { return staging_ ? staging_->path() : folder_; }

bool BackupTarget::Finish() {
  if (!staging_) return true;
  const QString pulled = JoinPath(staging_->path(), package_);
  QString strayed;
  if (!platform::MoveToTrash(Path(), &strayed)) return KeepBoth(pulled, strayed);
  // An app without OBB files brings no folder: the earlier one is gone all the same.
  if (QFileInfo::exists(pulled) && !QDir().rename(pulled, Path())) {
    staging_->setAutoRemove(false);
    platform::MsgBox(QStringLiteral("The new backup stays in\n") + pulled, platform::vbCritical, kErrorTitle);
    return false;
  }
  return true;
}

bool BackupTarget::KeepBoth(const QString& pulled, const QString& strayed) {
  QString text = strayed.isEmpty()
                     ? QStringLiteral("The earlier backup could not be moved to the trash and stays as it was:\n") + Path()
                     : QStringLiteral("The earlier backup could not be moved to the trash and is now in\n") + strayed;
  if (QFileInfo::exists(pulled)) text += QStringLiteral("\nThe new backup is kept as:\n") + KeepNewBeside(pulled);
  platform::MsgBox(text, platform::vbCritical, kErrorTitle);
  return false;
}

QString BackupTarget::KeepNewBeside(const QString& pulled) {
  for (int n = 1; n < 100; ++n) {
    const QString name = Path() + (n == 1 ? QStringLiteral(" (new)") : QStringLiteral(" (new %1)").arg(n));
    const QFileInfo taken(name);
    if (taken.exists() || taken.isSymLink()) continue;
    if (QDir().rename(pulled, name)) return name;  // the rename never replaces what stands there
    break;
  }
  staging_->setAutoRemove(false);
  return pulled;
}
