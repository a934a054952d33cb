// zl410-cli check: compiles a project without sending it and lists what the compile would repair or
// replace and what the panel could not show, with window and component.
#include <cstdio>
#include <string>

#include "base/CJson.h"
#include "cli/Cli.h"
#include "cli/CompileProject.h"
#include "compile/CProjectCheck.h"
#include "model/CProject.h"
#include "qt/CLanguage.h"
#include "qt/CMessages.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "check", "FILE.pjz [--json]",
    QT_TRANSLATE_NOOP("Message", "compile a project without sending it and list its problems with window and "
                                 "component; exit 0 when there are none, 1 when there are"),
    run};

std::string place(const CCheckFinding& f)
{
    std::string where = f.window ? translate("Message", "window") + " " + std::to_string(*f.window)
                                 : translate("Message", "project");
    if (!f.componentName.empty())
        where += ", " + translateMessage(f.componentName);
    return where;
}

int run(Args& args)
{
    const bool json = args.flag("json");
    const auto files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file expected"));

    CProject project;
    if (Status opened = openProjectFile(files.front(), args.dataDir(), project); !opened)
        return fail(opened.error().describe());
    const CCheckReport report = CheckProject(project, {args.dataDir(), {}, nullptr});

    if (json) {
        std::printf("%s\n", report.Describe().dump().c_str());
    } else {
        if (report.imageSize)
            std::printf("%s %s\n", translate("Message", "Image:").c_str(),
                        translateMessage(report.sizeText()).c_str());
        for (const CCheckFinding& f : report.findings)
            std::printf("%s: %s\n", place(f).c_str(), translateMessage(f.text).c_str());
    }
    if (report.clean())
        return kExitOk;
    return fail("the check found " + std::to_string(report.findings.size()) +
                (report.findings.size() == 1 ? " problem" : " problems"));
}

} // namespace
} // namespace zl::cli
