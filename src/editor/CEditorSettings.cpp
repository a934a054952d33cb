#include "editor/CEditorSettings.h"

#include "qt/CLanguage.h"
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

namespace
{
constexpr const char* kLanguageKey = "language";
}

std::string editorLanguage()
{
    const QString chosen = openSettings()->value(QLatin1String(kLanguageKey)).toString();
    if (chosen == QLatin1String(kEnglish) || chosen == QLatin1String(kChinese))
        return chosen.toStdString();
    return systemLanguage();
}

void setEditorLanguage(const std::string& language)
{
    const auto settings = openSettings();
    settings->setValue(QLatin1String(kLanguageKey), QString::fromStdString(language));
    settings->sync();
}

} // namespace zl
