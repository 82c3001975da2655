#pragma once
// Builds small real APKs with the system's aapt for tests.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

struct TestApkSpec {
  QString package = QStringLiteral("com.example.demo");
  QString versionCode = QStringLiteral("1210");
  QString versionName = QStringLiteral("1.2.10");
  QString label = QStringLiteral("Demo");  // written into strings.xml as is (escape apostrophes)
  bool icon = true;
  bool headTracking = false;
  int permissions = 0;
};

inline bool RealAaptAvailable() { return QFile::exists(QStringLiteral("/usr/bin/aapt")); }

// Writes manifest and resources under `work` and packages them to `apkPath`. False on failure.
inline bool BuildTestApk(const QString& work, const QString& apkPath, const TestApkSpec& spec) {
  QDir(work).mkpath(QStringLiteral("res/values"));
  QString application = QStringLiteral("<application android:label=\"@string/app_name\"");
  if (spec.icon) {
    QDir(work).mkpath(QStringLiteral("res/mipmap-mdpi"));
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(QColor(30, 144, 255));
    if (!image.save(work + QStringLiteral("/res/mipmap-mdpi/app_icon.png"))) return false;
    application += QStringLiteral(" android:icon=\"@mipmap/app_icon\"");
  }
  application += QStringLiteral("/>\n");
  QString manifest = QStringLiteral(
                         "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\" package=\"%1\" "
                         "android:versionCode=\"%2\" android:versionName=\"%3\">\n"
                         "<uses-sdk android:minSdkVersion=\"23\" android:targetSdkVersion=\"29\"/>\n")
                         .arg(spec.package, spec.versionCode, spec.versionName);
  for (int k = 1; k <= spec.permissions; ++k)
    manifest += QStringLiteral("<uses-permission android:name=\"com.example.permission.P%1\"/>\n").arg(k);
  if (spec.headTracking)
    manifest += QStringLiteral(
        "<uses-feature android:name=\"android.hardware.vr.headtracking\" android:version=\"1\" "
        "android:required=\"true\"/>\n");
  manifest += application + QStringLiteral("</manifest>\n");

  QFile manifestFile(work + QStringLiteral("/AndroidManifest.xml"));
  QFile strings(work + QStringLiteral("/res/values/strings.xml"));
  if (!manifestFile.open(QIODevice::WriteOnly) || !strings.open(QIODevice::WriteOnly)) return false;
  manifestFile.write(manifest.toUtf8());
  strings.write(QStringLiteral("<resources><string name=\"app_name\">%1</string></resources>\n").arg(spec.label).toUtf8());
  manifestFile.close();
  strings.close();

  QProcess aapt;
  aapt.setWorkingDirectory(work);
  aapt.start(QStringLiteral("/usr/bin/aapt"),
             {QStringLiteral("package"), QStringLiteral("-f"), QStringLiteral("-M"), QStringLiteral("AndroidManifest.xml"),
              QStringLiteral("-S"), QStringLiteral("res"), QStringLiteral("-I"),
              QStringLiteral("/usr/share/android-framework-res/framework-res.apk"), QStringLiteral("-F"), apkPath});
  return aapt.waitForFinished(60000) && aapt.exitStatus() == QProcess::NormalExit && aapt.exitCode() == 0;
}
