#include "qt/CDataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zl {
namespace {
constexpr const char* kCatalogue = "Zentu_Ptc.dat";

QString fromEnv(const char* name) { return qEnvironmentVariable(name); }
} // namespace

std::string executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath().toStdString();
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

std::string configFolder()
{
    QString dir = fromEnv("ZL410_CONFIG_DIR");
    if (dir.isEmpty()) {
        const QString xdg = fromEnv("XDG_CONFIG_HOME");
        dir = (xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg) + QStringLiteral("/zl410");
    }
    QDir().mkpath(dir);
    return QDir(dir).absolutePath().toStdString();
}

} // namespace zl
