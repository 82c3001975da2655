#include "main_window/file_manager_integration.h"

#include "main_window/settings.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/registry.h"
#include "runner/text_paths.h"

namespace {

const QString kVerbKey = QStringLiteral("HKCR\\*\\shell\\") + QStringLiteral("Tarnwick");
const QString kTitle = QStringLiteral("Tarnwick");

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

// "Explentry" keeps "off" after a failed write, so the next start without an APK asks again.
// A settings store that cannot keep "on" fails like the entry: otherwise every later start
// would offer the integration again and quit.
bool WriteVerbValue(const QString& name, const QString& value) {
  if (platform::RegWrite(kVerbKey + name, value, QStringLiteral("REG_SZ")) &&
      SaveSetting(QStringLiteral("Explentry"), QStringLiteral("on"))) {
    SaveSetting(QStringLiteral("Grant"), QStringLiteral("off"));
    return true;
  }
  SaveSetting(QStringLiteral("Explentry"), QStringLiteral("off"));
  platform::MsgBox(QStringLiteral("错误：也许没有管理员权限！") + Blanks(26), platform::vbOKOnly, kTitle);
  return false;
}

}  // namespace

QString VerbExecutablePath(const QString& folder, const QString& executableName) {
  return JoinPath(folder, executableName);
}

void OfferFileManagerIntegration(const QString& executablePath, const std::function<void()>& quitApp) {
  platform::MsgBox(QStringLiteral("Tarnwick将自身集成到资源管理器中， 通过右键单击APK文件，可以使用Tarnwick来安装该文件。") +
                       Blanks(67) + QStringLiteral("\r\r") +
                       QStringLiteral("在确认资源管理器集成之前，请将Tarnwick的目录复制到一个永久磁盘位置") + Blanks(113),
                   platform::vbInformation, kTitle);
  if (platform::MsgBox(QStringLiteral("是否在鼠标右键菜单中集成Tarnwick？") + Blanks(20), platform::vbYesNo,
                       QStringLiteral("资源管理器集成") + Blanks(13)) == platform::vbNo) {
    quitApp();
    return;
  }
  if (!WriteVerbValue(QStringLiteral("\\Command\\"), executablePath + QStringLiteral(" %1"))) {
    quitApp();
    return;
  }
  platform::RegWrite(kVerbKey + QStringLiteral("\\AppliesTo"), QStringLiteral(".apk"), QStringLiteral("REG_SZ"));
  if (!WriteVerbValue(QStringLiteral("\\Icon"), executablePath)) {
    quitApp();
    return;
  }
  platform::Beep();
  platform::MsgBox(QStringLiteral("右键单击APK文件，然后选择“install”") + Blanks(19), platform::vbInformation, kTitle);
  quitApp();
}
