// zl410-cli compile: a project compiled into the panel's download image, with its protocol's driver and
// a map of where everything lies.
#include <cstdio>
#include <string>

#include "cli/Cli.h"
#include "cli/CompileProject.h"
#include "base/CJson.h"
#include "base/FileIo.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "compile", "FILE.pjz -o IMAGE.bin [--driver DRIVER.bin] [--map MAP.json] [--accept-limit-repair]",
    "compile a project into the image sent from panel address 0x8000; also the driver sent "
    "from 0x0000 and a JSON address map",
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
        return usage(command, "one project file expected");
    if (!output)
        return usage(command, "-o IMAGE.bin is required");

    const auto compiled = compileProjectFile(files.front(), args.dataDir(), acceptLimitRepair);
    if (!compiled)
        return fail(compiled.error().describe());
    if (Status written = WriteFileSafely(*output, compiled->image); !written)
        return fail(written.error().describe());
    if (driverPath) {
        if (Status written = WriteFileSafely(*driverPath, compiled->driver.bytes); !written)
            return fail(written.error().describe());
    }
    if (mapPath) {
        const std::string json = compiled->map.Describe().dump() + "\n";
        if (Status written = WriteFileSafely(*mapPath, Bytes(json.begin(), json.end())); !written)
            return fail(written.error().describe());
    }
    std::printf("Image %zu bytes from 0x8000; driver %zu bytes, protocol %u version %u\n",
                compiled->image.size(), compiled->driver.bytes.size(), unsigned(compiled->driver.protocol),
                unsigned(compiled->driver.version));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
