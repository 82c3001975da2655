#pragma once
// Builds small real APKs with the system's aapt for tests.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

struct TestApkRecipe {
  QString label = QStringLiteral("Demo");  // written into strings.xml as is (escape apostrophes)
  bool icon = true;                        // a 48x48 PNG
  bool headTracking = false;
  int permissions = 0;
};

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
  QFile strings(work + QStringLiteral("/res/values/strings.xml"));
  if (!manifestFile.open(QIODevice::WriteOnly) || !strings.open(QIODevice::WriteOnly)) return false;
  manifestFile.write((manifest + QStringLiteral("/>\n</manifest>\n")).toUtf8());
  strings.write(QStringLiteral("<resources><string name=\"app_name\">%1</string></resources>\n").arg(recipe.label).toUtf8());
  manifestFile.close();
  strings.close();

  QProcess aapt;
  aapt.setWorkingDirectory(work);
  aapt.start(QStringLiteral("/usr/bin/aapt"), QStringList{"package", "-f", "-M", "AndroidManifest.xml", "-S", "res", "-I",
                                                          "/usr/share/android-framework-res/framework-res.apk", "-F", apkPath});
  return aapt.waitForFinished(60000) && aapt.exitStatus() == QProcess::NormalExit && aapt.exitCode() == 0;
}
