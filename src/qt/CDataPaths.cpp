#include "qt/CDataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zl {
namespace {
constexpr const char* kCatalogue = "Zentu_Ptc.dat";

QString fromEnv(const char* name) { return qEnvironmentVariable(name); }
} // namespace

std::string executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString();
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return QFileInfo(QString::fromStdWString(path)).absolutePath().toStdString();
#else
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath().toStdString();
#endif
}

std::string dataFolder()
{
    const QString env = fromEnv("ZL410_DATA_DIR");
    if (!env.isEmpty())
        return QDir(env).absolutePath().toStdString();
    const QString exe = QString::fromStdString(executableFolder());
    for (const QString& dir : {exe, QDir(exe).absoluteFilePath(QStringLiteral("../share/zl410"))}) {
        if (QFileInfo::exists(QDir(dir).filePath(kCatalogue)))
            return QDir(dir).absolutePath().toStdString();
    }
    return exe.toStdString();
}

std::string manualFolder(const std::string& dataDir)
{
    return QDir(QString::fromStdString(dataDir)).filePath(QStringLiteral("manual")).toStdString();
}

std::string licenceFile(const std::string& dataDir)
{
    return QDir(QString::fromStdString(dataDir)).filePath(QStringLiteral("LICENSE")).toStdString();
}

std::string configFolder()
{
    QString dir = fromEnv("ZL410_CONFIG_DIR");
#ifdef _WIN32
    // The roaming profile's application data (%APPDATA%), where Windows programs keep their settings.
    if (dir.isEmpty() && !fromEnv("APPDATA").isEmpty())
        dir = fromEnv("APPDATA") + QStringLiteral("/zl410");
#endif
    if (dir.isEmpty()) {
        const QString xdg = fromEnv("XDG_CONFIG_HOME");
        dir = (xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg) + QStringLiteral("/zl410");
    }
    QDir().mkpath(dir);
    return QDir(dir).absolutePath().toStdString();
}

} // namespace zl
