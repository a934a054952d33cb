// zl410-cli replace-operands: moves every use of a type and address range to another type and start, as
// the editor's replace does. Every change is listed; when any use cannot move, every reason is printed
// and nothing is written.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/ProjectErrors.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "operands/COperandReplace.h"
#include "qt/CMessages.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "replace-operands", "FILE.pjz --from D100-D199 --to D300 -o OUT.pjz [--dry-run]",
    QT_TRANSLATE_NOOP("Message", "move every use of an operand range to another type and start"), run};

int run(Args& args)
{
    const auto from = args.option("from");
    const auto to = args.option("to");
    const auto output = args.option("output", "o");
    const bool dryRun = args.flag("dry-run");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file expected"));
    if (!from || !to)
        return usage(command, QT_TRANSLATE_NOOP("Message", "--from and --to are required"));
    if (!output && !dryRun)
        return usage(command, QT_TRANSLATE_NOOP("Message", "an output file (-o) or --dry-run expected"));
    if (output)
        if (Status distinct = distinctFiles({files[0]}, {*output}); !distinct)
            return fail(distinct.error().text);
    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    const auto range = parseOperandRange(project.tables(), *from);
    if (!range)
        return usage(command, "--from " + translateMessage(range.error().text));
    const auto start = parseOperandRange(project.tables(), *to);
    if (!start)
        return usage(command, "--to " + translateMessage(start.error().text));
    const CReplacePlan plan = planReplace(project, *range, *start);
    for (const COperandChange& change : plan.changes)
        std::printf("%s -> %s  %s\n", change.from.c_str(), change.to.c_str(),
                    operandUseText(plan.index.uses[change.use]).toStdString().c_str());
    if (!plan.refusals.empty()) {
        for (const std::string& refusal : plan.refusals)
            std::fprintf(
                stderr, "zl410-cli: %s\n",
                localized(QT_TRANSLATE_NOOP("Message", "refused: %1"), {translateMessage(refusal)}).c_str());
        return fail(localized(QT_TRANSLATE_NOOP("Message", "nothing replaced: %1 use(s) cannot move"),
                              {std::to_string(plan.refusals.size())}));
    }
    const std::string count = std::to_string(plan.changes.size());
    std::printf("%s\n", (dryRun ? localized(QT_TRANSLATE_NOOP("Message", "%1 use(s) would change"), {count})
                                : localized(QT_TRANSLATE_NOOP("Message", "%1 use(s) changed"), {count}))
                            .c_str());
    if (dryRun)
        return kExitOk;
    if (const Status applied = applyReplace(project, plan); !applied)
        return fail(applied.error().text);
    if (const Status saved = SaveProjectFile(*output, project); !saved)
        return fail(projectFailure(*output, saved.error()));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
