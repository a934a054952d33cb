#include "editor/CEditorSettings.h"

#include "qt/CDataPaths.h"

namespace zl {

std::unique_ptr<QSettings> editorSettings()
{
    return std::make_unique<QSettings>(QString::fromStdString(configFolder() + "/zl410.conf"), QSettings::IniFormat);
}

QString comDevicePath(unsigned portIndex)
{
    return editorSettings()
        ->value(QStringLiteral("serial/COM%1").arg(portIndex + 1), QStringLiteral("/dev/ttyS%1").arg(portIndex))
        .toString();
}

} // namespace zl
