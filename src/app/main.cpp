// The zl410 editor.
#include <QApplication>

#include "base/FileIo.h"
#include "editor/EditorStartUp.h"
#include "qt/ProgramVersion.h"

int main(int argc, char* argv[])
{
    zl::ReportFileSizeLimitAsError();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zl410"));
    QApplication::setOrganizationName(QStringLiteral("zl410"));
    QApplication::setApplicationVersion(QString::fromLatin1(zl::programVersion()));
    QApplication::setDesktopFileName(QStringLiteral("zl410"));
    return zl::RunEditor(QApplication::arguments());
}
