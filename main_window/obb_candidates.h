#pragma once
// Which files on the PC are the OBB candidates of an install, and whether a device listing
// already holds one of them. No windows involved.

#include <QList>
#include <QString>
#include <QStringList>

struct ObbCandidate {
  QString name;  // file name without folder: the name on the device as well
  QString path;  // full local path, the source of the push
};

struct ObbCollection {
  QList<ObbCandidate> candidates;
  bool fromPackageFolder = false;  // a folder named after the package was used (even when empty)
};

// Every file of the package's own folder, whatever its name, in the order given.
QList<ObbCandidate> CandidatesInPackageFolder(const QString& packageFolder, const QStringList& fileNames);

// Files beside the APK whose path ends in "obb", "pak", "zip" or "dle" (any case, no dot needed);
// none at all unless one of them ends in "obb".
QList<ObbCandidate> CandidatesBesideApk(const QString& apkFolder, const QStringList& fileNames);

// The folder named after the package inside the APK's folder, or empty when there is none. Only a
// package name can name it, so "" or ".." never makes the APK's own folder or its parent one.
QString PackageFolderFor(const QString& apkFolder, const QString& packageName);

// The collection rule: the package folder inside the APK's folder wins over the files beside
// the APK. apkFolder ends with "/" (or is empty).
ObbCollection CollectObbCandidates(const QString& apkFolder, const QString& packageName);

// The regular files directly in a folder, by name (letter case ignored); a folder that cannot be
// listed gives none, and `listed` (when given) tells whether the folder could be read.
QStringList FilesInFolder(const QString& folder, bool* listed = nullptr);

// A file counts as present when a file line of the listing (toybox's "-rw-rw---- 1 u0_a1 ext_data_rw
// 3 2026-01-01 00:00 <name>") names exactly that file, letter case ignored. A name that merely occurs in the listing (in
// "data.obb", in the folder's path or in an error text) does not count.
bool ListingNamesFile(const QString& listing, const QString& fileName);

