// zl410-cli export and import: a project as JSON text (for diffs and version control) and back. A text
// that import refuses writes nothing; the message names the value and the reason.
#include <cstdio>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "base/FileIo.h"
#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/ProjectErrors.h"
#include "file/CProjectFile.h"
#include "file/CProjectText.h"
#include "model/CProject.h"

namespace zl::cli
{
namespace
{

int runExport(Args& args);
int runImport(Args& args);
const CliCommand exportCommand{
    "export", "FILE.pjz -o FILE.json",
    QT_TRANSLATE_NOOP("Message", "write a project as JSON text (-o - for standard output)"), runExport};
const CliCommand importCommand{"import", "FILE.json -o FILE.pjz",
                               QT_TRANSLATE_NOOP("Message", "make a project from its JSON text"), runImport};

// The input and output paths, or the exit status of a usage error.
std::variant<std::pair<std::string, std::string>, int> paths(Args& args, const CliCommand& command)
{
    const auto output = args.option("output", "o");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1 || !output)
        return usage(command,
                     QT_TRANSLATE_NOOP("Message", "one input file and an output file (-o) expected"));
    if (*output != "-")
        if (Status distinct = distinctFiles({files[0]}, {*output}); !distinct)
            return fail(distinct.error().text);
    return std::pair{files[0], *output};
}

int runExport(Args& args)
{
    const auto files = paths(args, exportCommand);
    if (const int* status = std::get_if<int>(&files))
        return *status;
    const auto& [in, out] = std::get<0>(files);
    CProject project;
    if (const Status opened = OpenProjectFile(in, project); !opened)
        return fail(projectFailure(in, opened.error()));
    const std::string text = ExportProjectText(project);
    if (out == "-") // a diff driver reads the text from standard output
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size()
                   ? kExitOk
                   : fail(QT_TRANSLATE_NOOP("Message", "cannot write the text"));
    if (const Status saved = WriteFileSafely(out, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        !saved)
        return fail(out + ": " + saved.error().describe());
    return kExitOk;
}

int runImport(Args& args)
{
    const auto files = paths(args, importCommand);
    if (const int* status = std::get_if<int>(&files))
        return *status;
    const auto& [in, out] = std::get<0>(files);
    const auto text = ReadWholeFile(in);
    if (!text)
        return fail(in + ": " + text.error().describe());
    const auto bytes = ImportProjectText({reinterpret_cast<const char*>(text->data()), text->size()});
    if (!bytes)
        return fail(in + ": " + bytes.error().text);
    if (const Status saved = WriteFileSafely(out, *bytes); !saved)
        return fail(projectFailure(out, saved.error()));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
