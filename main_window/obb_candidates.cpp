#include "runner/text_paths.h"
#include "main_window/obb_candidates.h"

#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <system_error>


QList<ObbCandidate> CandidatesInPackageFolder(const QString& packageFolder, const QStringList& fileNames) {
  QList<ObbCandidate> candidates;
  for (const QString& name : fileNames) candidates.append({name, packageFolder + '/' + name});
  return candidates;
}

QList<ObbCandidate> CandidatesBesideApk(const QString& apkFolder, const QStringList& fileNames) {
  QList<ObbCandidate> candidates;
  bool anyObb = false;
  for (const QString& name : fileNames) {
    QString ending = (apkFolder + name).right(3).toLower();
    if (ending == u"obb") anyObb = true;
    if (ending == u"obb" || ending == u"pak" || ending == u"zip" || ending == u"dle")
      candidates.append({name, apkFolder + name});
  }
  if (!anyObb) candidates.clear();
  return candidates;
}

QString PackageFolderFor(const QString& apkFolder, const QString& packageName) {
  const QString folder = apkFolder + packageName;
  return IsPackageName(packageName) && FolderExists(folder) ? folder : QString();
}

ObbCollection CollectObbCandidates(const QString& apkFolder, const QString& packageName) {
  ObbCollection collection;
  const QString packageFolder = PackageFolderFor(apkFolder, packageName);
  if (!packageFolder.isEmpty()) {
    collection.fromPackageFolder = true;
    collection.candidates = CandidatesInPackageFolder(packageFolder, FilesInFolder(packageFolder));
  } else {
    collection.candidates = CandidatesBesideApk(apkFolder, FilesInFolder(apkFolder));
  }
  return collection;
}

QStringList FilesInFolder(const QString& folder, bool* listed) {
  namespace fs = std::filesystem;
  QStringList names;
  if (listed) *listed = false;
  if (folder.isEmpty()) return names;
  std::error_code error;
  fs::directory_iterator it(fs::path(folder.toStdString()), error);
  if (listed) *listed = !error;
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.append(QString::fromStdString(it->path().filename().string()));
  }
  // Directory order on Linux file systems is a hash order; list by name, as users expect.
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

bool ListingNamesFile(const QString& listing, const QString& fileName) {
  // toybox's long format: mode, links, owner, group, size, date, time, then the name, blanks and all.
  static const QRegularExpression fileLine(QStringLiteral("^-\\S*(?:[ \\t]+\\S+){6} (.*?)\\r*$"),
                                           QRegularExpression::MultilineOption);
  for (auto it = fileLine.globalMatch(listing); it.hasNext();)
    if (it.next().captured(1).compare(fileName, Qt::CaseInsensitive) == 0) return true;
  return false;
}

