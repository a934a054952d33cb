// zl410-cli protocols: the catalogue's entries, as the PLC Selection list shows them.
#include <cstdio>

#include "cli/Cli.h"
#include "qt/CLanguage.h"
#include "plc/CProtocolCatalogue.h"
#include "plc/CProtocolTables.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "protocols", "",
    QT_TRANSLATE_NOOP(
        "Message",
        "list the protocol catalogue of the data folder: position, number, name, driver version and length"),
    run};

int run(Args& args)
{
    if (!args.positional().empty() || args.usageError())
        return usage(command, args.usageError() ? args.usageMessage()
                                                : QT_TRANSLATE_NOOP("Message", "no arguments expected"));
    const std::string path = CProtocolCatalogue::cataloguePath(args.dataDir());
    const auto types = CProtocolCatalogue::ReadEntryTypes(path);
    if (!types)
        return fail(types.error().describe());
    std::printf("%s %s %s %s %s\n", padded(translate("Listing", "position"), 8).c_str(),
                padded(translate("Listing", "number"), 6).c_str(),
                padded(translate("Listing", "name"), 26).c_str(),
                padded(translate("Listing", "version"), 8).c_str(), translate("Listing", "length").c_str());
    for (std::size_t i = 0; i < types->size(); ++i) {
        const unsigned number = (*types)[i];
        const auto driver = CProtocolCatalogue::LoadDriver(path, static_cast<std::uint8_t>(number));
        if (!driver)
            return fail(driver.error().describe());
        std::printf("%-8zu %-6u %-26s %-8u %zu\n", i, number, protocolDisplayName(number).c_str(),
                    unsigned(driver->version), driver->bytes.size());
    }
    return kExitOk;
}

} // namespace
} // namespace zl::cli
