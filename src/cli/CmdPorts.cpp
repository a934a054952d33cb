// zl410-cli ports: the devices behind COM1 … COM6 and the serial ports this machine has.
#include <cstdio>

#include "base/CJson.h"
#include "cli/Cli.h"
#include "platform/SerialPortList.h"
#include "qt/CMessages.h"
#include "qt/CSerialSettings.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "ports", "[--json]",
    QT_TRANSLATE_NOOP("Message",
                      "list the device behind each COM entry (the download uses COM Selection's) and the "
                      "serial ports found on this machine"),
    run};

int run(Args& args)
{
    const bool json = args.flag("json");
    if (!args.positional().empty() && !args.usageError())
        args.setUsageError(QT_TRANSLATE_NOOP("Message", "no arguments expected"));
    if (args.usageError())
        return usage(command, args.usageMessage());
    const Result<unsigned> selected = selectedComEntry();
    if (!selected)
        return fail(selected.error().text);
    const std::vector<CPortInfo> ports = availableSerialPorts();

    if (json) {
        CJson out = CJson::object();
        CJson com = CJson::array();
        for (unsigned i = 0; i < kSerialPortCount; ++i) {
            CJson entry = CJson::object();
            entry.set("name", "COM" + std::to_string(i + 1));
            entry.set("device", serialDevicePath(i));
            entry.set("selected", i == *selected);
            com.push(std::move(entry));
        }
        out.set("com", std::move(com));
        CJson found = CJson::array();
        for (const CPortInfo& p : ports) {
            CJson entry = CJson::object();
            entry.set("device", p.device);
            entry.set("description", p.description);
            found.push(std::move(entry));
        }
        out.set("ports", std::move(found));
        std::printf("%s\n", out.dump().c_str());
        return kExitOk;
    }
    for (unsigned i = 0; i < kSerialPortCount; ++i)
        std::printf("%sCOM%u  %s\n", i == *selected ? "* " : "  ", i + 1, serialDevicePath(i).c_str());
    const char* heading = ports.empty() ? QT_TRANSLATE_NOOP("Message", "Serial ports on this machine: none found")
                                        : QT_TRANSLATE_NOOP("Message", "Serial ports on this machine:");
    std::printf("%s\n", localized(heading).c_str());
    for (const CPortInfo& p : ports)
        std::printf("  %s %s\n", padded(p.device, 16).c_str(), translateMessage(p.description).c_str());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
