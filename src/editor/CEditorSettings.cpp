#include "editor/CEditorSettings.h"

#include "qt/CSerialSettings.h"

namespace zl
{

std::unique_ptr<QSettings> editorSettings()
{
    return openSettings();
}

QString comDevicePath(unsigned portIndex)
{
    return QString::fromStdString(serialDevicePath(portIndex));
}

} // namespace zl
