// zl410-cli resave: opens a project and saves it again (always as the current format version).
#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/ProjectErrors.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "resave", "IN.pjz OUT.pjz",
    QT_TRANSLATE_NOOP("Message", "read a project and write it again in the current format"), run};

int run(Args& args)
{
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 2)
        return usage(command, QT_TRANSLATE_NOOP("Message", "an input and an output project file expected"));
    if (Status distinct = distinctFiles({files[0]}, {files[1]}); !distinct)
        return fail(distinct.error().text);
    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    if (const Status saved = SaveProjectFile(files[1], project); !saved)
        return fail(projectFailure(files[1], saved.error()));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
