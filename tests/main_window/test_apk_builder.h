#pragma once
// Builds small real APKs with the system's aapt for tests.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QProcess>
#include <utility>

struct TestApkRecipe {
  QString label = QStringLiteral("Demo");  // written into strings.xml as is (escape apostrophes); null: none
  bool icon = true;                        // a 48x48 PNG
  bool headTracking = false;
  int permissions = 0;
  QList<std::pair<QString, QString>> translations = {};  // locale, label: res/values-<locale>/strings.xml
};

inline bool WriteStringsXml(const QString& folder, const QString& label) {
  QDir().mkpath(folder);
  QFile strings(folder + QStringLiteral("/strings.xml"));
  return strings.open(QIODevice::WriteOnly) &&
         strings.write(QStringLiteral("<resources><string name=\"app_name\">%1</string></resources>\n").arg(label).toUtf8()) > 0;
}

inline bool RealAaptAvailable() { return QFile::exists(QStringLiteral("/usr/bin/aapt")); }

// An APK of com.example.demo, versionCode 1210, versionName 1.2.10, built from sources written
// under `work`. False on failure.
inline bool BuildTestApk(const QString& work, const QString& apkPath, const TestApkRecipe& recipe) {
  QDir(work).mkpath(QStringLiteral("res/values"));
  QString manifest = QStringLiteral(
      "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\" package=\"com.example.demo\" "
      "android:versionCode=\"1210\" android:versionName=\"1.2.10\">\n<uses-sdk android:minSdkVersion=\"23\"/>\n");
  for (int k = 1; k <= recipe.permissions; ++k)
    manifest += QStringLiteral("<uses-permission android:name=\"com.example.permission.P%1\"/>\n").arg(k);
  if (recipe.headTracking)
    manifest += QStringLiteral("<uses-feature android:name=\"android.hardware.vr.headtracking\" android:version=\"1\"/>\n");
  manifest += QStringLiteral("<application android:label=\"@string/app_name\"");
  if (recipe.icon) {
    QDir(work).mkpath(QStringLiteral("res/mipmap-mdpi"));
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    if (!image.save(work + QStringLiteral("/res/mipmap-mdpi/app_icon.png"))) return false;
    manifest += QStringLiteral(" android:icon=\"@mipmap/app_icon\"");
  }
  QFile manifestFile(work + QStringLiteral("/AndroidManifest.xml"));
  if (!manifestFile.open(QIODevice::WriteOnly)) return false;
  manifestFile.write((manifest + QStringLiteral("/>\n</manifest>\n")).toUtf8());
  manifestFile.close();
  if (!recipe.label.isNull() && !WriteStringsXml(work + QStringLiteral("/res/values"), recipe.label)) return false;
  for (const auto& [locale, label] : recipe.translations)
    if (!WriteStringsXml(work + QStringLiteral("/res/values-") + locale, label)) return false;

  QProcess aapt;
  aapt.setWorkingDirectory(work);
  aapt.start(QStringLiteral("/usr/bin/aapt"), QStringList{"package", "-f", "-M", "AndroidManifest.xml", "-S", "res", "-I",
                                                          "/usr/share/android-framework-res/framework-res.apk", "-F", apkPath});
  return aapt.waitForFinished(60000) && aapt.exitStatus() == QProcess::NormalExit && aapt.exitCode() == 0;
}
