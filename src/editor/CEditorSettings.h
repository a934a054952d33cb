#pragma once
// The user's editor settings (recent files) and the serial devices behind COM1 … COM6, kept in the same
// settings file the download reads the devices from; a settings file that is refused (checkSettingsFile)
// leaves the defaults and takes nothing.
#include <QSettings>
#include <QString>

#include <memory>

namespace zl
{

std::unique_ptr<QSettings> editorSettings();
// The device behind COM<index + 1>: "serial/COM1" … "serial/COM6", default /dev/ttyS0 … /dev/ttyS5.
QString comDevicePath(unsigned portIndex);

} // namespace zl
