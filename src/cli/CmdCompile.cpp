// zl410-cli compile: a project compiled into the panel's download image, with its protocol's driver and
// a map of where everything lies.
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/CompileProject.h"
#include "base/CJson.h"
#include "base/FileIo.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "compile", "FILE.pjz -o IMAGE.bin [--driver DRIVER.bin] [--map MAP.json] [--accept-limit-repair]",
    QT_TRANSLATE_NOOP("Message",
                      "compile a project into the image sent from panel address 0x8000; also the driver sent "
                      "from 0x0000 and a JSON address map"),
    run};

int run(Args& args)
{
    const auto output = args.option("output", "o");
    const auto driverPath = args.option("driver");
    const auto mapPath = args.option("map");
    const bool acceptLimitRepair = args.flag("accept-limit-repair");
    const auto files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file expected"));
    if (!output)
        return usage(command, QT_TRANSLATE_NOOP("Message", "-o IMAGE.bin is required"));

    std::vector<std::string> outputs{*output};
    for (const auto& extra : {driverPath, mapPath})
        if (extra)
            outputs.push_back(*extra);
    if (Status distinct = distinctFiles(files, outputs); !distinct)
        return fail(distinct.error().text);

    const auto compiled = compileProjectFile(files.front(), args.dataDir(), acceptLimitRepair);
    if (!compiled)
        return fail(compiled.error().describe());
    const std::string json = compiled->map.Describe().dump() + "\n";
    std::vector<CFileWrite> writes{{*output, compiled->image}};
    if (driverPath)
        writes.push_back({*driverPath, compiled->driver.bytes});
    if (mapPath)
        writes.push_back({*mapPath, std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size())});
    if (Status written = WriteFilesSafely(writes); !written)
        return fail(written.error().describe());
    std::printf(
        "%s\n",
        localized(QT_TRANSLATE_NOOP("Message",
                                    "Image %1 bytes from 0x8000; driver %2 bytes, protocol %3 version %4"),
                  {std::to_string(compiled->image.size()), std::to_string(compiled->driver.bytes.size()),
                   std::to_string(compiled->driver.protocol), std::to_string(compiled->driver.version)})
            .c_str());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
