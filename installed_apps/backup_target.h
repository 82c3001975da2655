#pragma once
// The folder <folder>/<package> that a backup writes. A new backup never merges into, nests
// inside or silently replaces an earlier one: the user is asked first, the new one is pulled
// into a fresh folder beside the earlier one, and only once that pull has succeeded does the
// earlier one go to the trash and the new one take its name.

#include <QString>
#include <QTemporaryDir>
#include <memory>

class BackupTarget {
 public:
  BackupTarget(const QString& folder, const QString& package);
  ~BackupTarget();

  QString Path() const;  // <folder>/<package>

  // Asks before an earlier backup at Path() is replaced. False when the user keeps it, or when
  // no folder for the new one could be made beside it (after an error box): nothing changed.
  bool Prepare();
  // Where adb makes the new <package> folder: the folder itself when nothing stood at Path(),
  // otherwise the fresh folder beside the earlier backup.
  QString PullFolder() const;
  // After a pull that succeeded: the earlier backup goes to the trash and the new one takes its
  // place. False, after an error box, when the earlier one could not be moved; it then stays,
  // and the new one is kept beside it as "<package> (new)" (or the first free "(new N)").
  bool Finish();

 private:
  bool KeepBoth(const QString& pulled, const QString& strayed);
  QString KeepNewBeside(const QString& pulled);  // where the new backup is in the end

  QString folder_;
  QString package_;
  std::unique_ptr<QTemporaryDir> staging_;  // removed with what a failed pull left in it
};
