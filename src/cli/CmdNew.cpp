// zl410-cli new: a project as New Project makes it for a protocol.
#include "cli/Cli.h"
#include "cli/ProjectErrors.h"
#include "plc/CCommSettings.h"
#include "plc/CProtocolTables.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "new", "--protocol N -o|--output OUT.pjz",
    QT_TRANSLATE_NOOP("Message", "write a new project for protocol N: window 1 and the protocol's defaults"),
    run};

int run(Args& args)
{
    const auto protocol = args.number("protocol", 1, kProtocolCount);
    const auto output = args.option("output", "o");
    if (!args.positional().empty() || args.usageError())
        return usage(command, args.usageError() ? args.usageMessage()
                                                : QT_TRANSLATE_NOOP("Message", "no file arguments expected"));
    if (!protocol || !output)
        return usage(command, QT_TRANSLATE_NOOP("Message", "--protocol N and -o OUT.pjz are required"));

    // The PLC Selection dialog sets the protocol and its line defaults; New Project does the rest.
    CProject project;
    const unsigned p = static_cast<unsigned>(*protocol);
    applyDialogDefaults(p, project.comm);
    project.SetProtocol(p);
    project.ResetForNewProject();
    if (const Status saved = SaveProjectFile(*output, project); !saved)
        return fail(projectFailure(*output, saved.error()));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
