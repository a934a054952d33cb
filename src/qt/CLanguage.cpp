#include "qt/CLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "qt/CDataPaths.h"

namespace zl
{
namespace
{

// The program's catalogue and Qt's; kept for the life of the program (the application holds pointers).
std::unique_ptr<QTranslator>& programCatalogue()
{
    static std::unique_ptr<QTranslator> catalogue;
    return catalogue;
}

std::unique_ptr<QTranslator>& qtCatalogue()
{
    static std::unique_ptr<QTranslator> catalogue;
    return catalogue;
}

std::unique_ptr<QTranslator> load(const QString& name, const QStringList& folders)
{
    auto catalogue = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (catalogue->load(name, folder))
            return catalogue;
    }
    return nullptr;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> catalogue)
{
    if (slot && QCoreApplication::instance())
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(catalogue);
    if (slot && QCoreApplication::instance())
        QCoreApplication::installTranslator(slot.get());
}

} // namespace

std::string systemLanguage()
{
    QString wanted = qEnvironmentVariable("ZL410_LANG");
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (wanted.isEmpty())
            wanted = qEnvironmentVariable(name);
    }
#ifdef _WIN32
    if (wanted.isEmpty() && !QLocale::system().uiLanguages().isEmpty())
        wanted = QLocale::system().uiLanguages().front();
#endif
    return wanted.startsWith(QLatin1String("zh")) ? kChinese : kEnglish;
}

void useLanguage(const std::string& language)
{
    if (language != kChinese) {
        replace(programCatalogue(), nullptr);
        replace(qtCatalogue(), nullptr);
        return;
    }
    const QString folder =
        QDir(QString::fromStdString(dataFolder())).filePath(QStringLiteral("translations"));
    const QString suffix = QStringLiteral("_") + QString::fromLatin1(kChinese);
    replace(programCatalogue(), load(QStringLiteral("zl410") + suffix, {folder}));
    replace(qtCatalogue(), load(QStringLiteral("qtbase") + suffix,
                                {folder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}));
}

bool interfaceIsEnglish()
{
    return programCatalogue() == nullptr;
}

std::string translate(const char* context, const char* text)
{
    const auto& catalogue = programCatalogue();
    const QString translated = catalogue ? catalogue->translate(context, text) : QString();
    return translated.isEmpty() ? std::string(text) : translated.toStdString();
}

} // namespace zl
