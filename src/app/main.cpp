// The zl410 editor.
#include <QApplication>

#include <cstring>
#include <memory>

#include "base/FileIo.h"
#include "editor/EditorStartUp.h"
#include "qt/ProgramVersion.h"

namespace
{

// --help and --version print and end before any window is made; they then need no display (a terminal
// over ssh, a package's build), which QApplication would.
bool onlyPrints(int argc, char* argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        for (const char* option : {"--help", "-h", "-?", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    zl::ReportFileSizeLimitAsError();
    const std::unique_ptr<QCoreApplication> app = onlyPrints(argc, argv)
                                                      ? std::make_unique<QCoreApplication>(argc, argv)
                                                      : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zl410"));
    QCoreApplication::setOrganizationName(QStringLiteral("zl410"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zl::programVersion()));
    QGuiApplication::setDesktopFileName(QStringLiteral("zl410"));
    return zl::RunEditor(QCoreApplication::arguments());
}
