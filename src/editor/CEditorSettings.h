#pragma once
// The user's editor settings (recent files) and the serial devices behind COM1 … COM6, kept in the same
// settings file the download reads the devices from; a settings file that is refused (checkSettingsFile)
// leaves the defaults and takes nothing.
#include <QSettings>
#include <QString>

#include <memory>
#include <string>

namespace zl
{

std::unique_ptr<QSettings> editorSettings();
// The device behind COM<index + 1>: "serial/COM1" … "serial/COM6", default /dev/ttyS0 … /dev/ttyS5.
QString comDevicePath(unsigned portIndex);
// The interface language chosen in View → Language ("en" or "zh_CN"); the environment's
// (systemLanguage) while none is chosen.
std::string editorLanguage();
void setEditorLanguage(const std::string& language);

} // namespace zl
