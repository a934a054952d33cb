// zl410-cli report: the project's printable report as a PDF file.
#include <memory>
#include <string>

#include <QGuiApplication>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/CompileProject.h"
#include "model/CProject.h"
#include "qt/CMessages.h"
#include "qt/CProjectReport.h"
#include "render/CFontFiles.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "report", "FILE.pjz -o|--output REPORT.pdf [--paper a4|letter]",
    QT_TRANSLATE_NOOP("Message", "write the project's report as PDF: the project, its PLC link, panel settings and "
                                 "image size, every window's screen with a table of its components, the alarm list "
                                 "and the operand cross-reference"),
    run};

// Text on the pages needs the fonts of a GUI application. Without a display the command line draws off
// screen, as it does on a server.
std::unique_ptr<QGuiApplication> guiApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "zl410-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int run(Args& args)
{
    const auto output = args.option("output", "o");
    const std::string paperName = args.option("paper").value_or("a4");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1 || !output)
        return usage(command, QT_TRANSLATE_NOOP("Message", "a project file and -o REPORT.pdf are required"));
    if (paperName != "a4" && paperName != "letter")
        return usage(command, QT_TRANSLATE_NOOP("Message", "--paper is a4 or letter"));
    if (Status distinct = distinctFiles(files, {*output}); !distinct)
        return fail(distinct.error().text);

    CProject project;
    if (Status opened = openProjectFile(files[0], args.dataDir(), project); !opened)
        return fail(opened.error().describe());
    const auto fonts = CFontFiles::Load(args.dataDir());
    if (!fonts)
        return fail(fonts.error().describe());

    const auto application = guiApplication();
    CReportSource source{project, QString::fromStdString(files[0]), QDateTime::currentDateTime(), {}, {}, &*fonts};
    if (const auto size = MeasureImageSize(project, args.dataDir(), &*fonts))
        source.imageSize = *size;
    else
        source.imageProblem = QString::fromStdString(translateMessage(size.error().describe()));
    const auto written = WriteReportPdf(*output,
                                        paperName == "a4" ? CPaper::kA4 : CPaper::kLetter, source);
    if (!written)
        return fail(written.error().describe());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
