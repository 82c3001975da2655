#pragma once
#include <QString>
#include <functional>

// The executable's path as the file-manager verb names it: the folder, a separator unless the
// folder already ends in one, and the executable's name.
QString VerbExecutablePath(const QString& folder, const QString& executableName);

// The first-run offer to open APK files with this program from the file manager. Every way
// through it ends with quitApp(); when quitApp returns (tests), nothing more runs.
void OfferFileManagerIntegration(const QString& executablePath, const std::function<void()>& quitApp);
