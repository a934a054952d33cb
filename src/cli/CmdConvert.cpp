// zl410-cli convert: turns an old (.olz) project into a project file.
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "import/OldProjectConverter.h"
#include "base/FileIo.h"
#include "qt/CMessages.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "convert", "OLD.olz [-o|--output NEW.pjz]",
    QT_TRANSLATE_NOOP(
        "Message", "convert an old project; NEW defaults to OLD's folder and name with the extension .pjz"),
    run};

int run(Args& args)
{
    const std::optional<std::string> output = args.option("output", "o");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one old project file expected"));
    const std::string& oldPath = files.front();
    const std::string newPath =
        output ? *output : std::filesystem::path(oldPath).replace_extension(".pjz").string();
    if (Status distinct = distinctFiles({oldPath}, {newPath}); !distinct)
        return fail(distinct.error().text);

    const Result<Bytes> old = ReadWholeFile(oldPath);
    if (!old)
        return fail(std::string(kOpenOldFileError) + " " + old.error().text);
    const Result<Bytes> converted = ConvertOldProject(*old);
    if (!converted)
        return fail(oldPath + ": " + converted.error().describe());
    // Written beside the target and renamed over it only when complete: a failure keeps the old file.
    if (const Status written = WriteFileSafely(newPath, *converted); !written)
        return fail(written.error().describe());
    std::printf("%s\n", translateMessage(kConversionDone).c_str());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
