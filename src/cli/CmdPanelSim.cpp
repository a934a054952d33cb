// zl410-cli panel-sim: the panel's side of a download on a serial device or a new pseudo-terminal, to
// rehearse a download without hardware. Runs until Ctrl+C (or SIGTERM), then dumps the panel's memory.
#include <cstdio>
#include <tuple>

#include "base/FileIo.h"
#include "cli/Cli.h"
#include "cli/Interrupt.h"
#include "download/CPanelSimulator.h"
#include "platform/CSerialPort.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "panel-sim",
    "(--port DEVICE | --pty) [--model N] [--protocol N] [--driver-version N] [--ignore-handshakes N] "
    "[--refuse-every K] [--drop-every K] [--silent-after N] [--wire-time] [--dump FILE]",
    QT_TRANSLATE_NOOP(
        "Message",
        "simulate a panel for downloads: --pty prints the device for the download to use; the faults refuse "
        "every K-th write, drop every K-th answer, or fall silent after N frames"),
    run};

int run(Args& args)
{
    CPanelSimConfig config;
    unsigned model = config.info.model, protocol = config.info.protocol, version = config.info.driverVersion;
    const auto port = args.option("port");
    const bool pty = args.flag("pty");
    const auto dump = args.option("dump");
    config.wireTime = args.flag("wire-time");
    for (const auto& [name, max, to] : {std::tuple<const char*, unsigned, unsigned*>{"model", 255, &model},
                                        {"protocol", 255, &protocol},
                                        {"driver-version", 255, &version},
                                        {"ignore-handshakes", 1000000000, &config.ignoreHandshakes},
                                        {"refuse-every", 1000000000, &config.refuseEveryWrite},
                                        {"drop-every", 1000000000, &config.dropEveryAnswer},
                                        {"silent-after", 1000000000, &config.silentAfterFrames}}) {
        if (const auto value = args.number(name, 0, max))
            *to = static_cast<unsigned>(*value);
    }
    const bool extra = !args.positional().empty();
    if (!args.usageError() && (extra || port.has_value() == pty))
        args.setUsageError(extra ? QT_TRANSLATE_NOOP("Message", "no positional arguments expected")
                                 : QT_TRANSLATE_NOOP("Message", "give either --port DEVICE or --pty"));
    if (args.usageError())
        return usage(command, args.usageMessage());
    config.info = {static_cast<std::uint8_t>(model), static_cast<std::uint8_t>(protocol),
                   static_cast<std::uint8_t>(version)};
    // The dump is written when the simulator ends: a path that cannot take it is told now.
    if (dump) {
        if (const Status writable = CheckWritable(*dump); !writable)
            return fail(writable.error().describe());
    }

    std::unique_ptr<CSerialPort> link;
    if (pty) {
#ifdef _WIN32
        // Windows has no pseudo-terminals: a null-modem pair of COM ports (com0com) takes their place.
        return fail(QT_TRANSLATE_NOOP(
            "Message",
            "--pty needs pseudo-terminals, which Windows does not have: give --port with one end of "
            "a null-modem pair of COM ports"));
#else
        auto pair = CPseudoTerminal::open();
        if (!pair)
            return fail(pair.error().describe());
        link = std::move(pair->panel);
        std::printf("%s\n", pair->toolPath.c_str());
#endif
    } else {
        auto opened = CSerialPort::open(*port, " " + *port);
        if (!opened)
            return fail(opened.error().describe());
        link = std::move(*opened);
        std::printf("%s\n", port->c_str());
    }
    std::fflush(stdout);

    CPanelSimulator panel(config);
    std::atomic<bool> stop{false};
    Status served = Ok{};
    runInterruptible([&] { served = panel.serve(*link, stop); },
                     [&] {
                         stop = true;
                         link->interrupt();
                     });
    const CPanelSimCounters& c = panel.counters();
    char memory[8];
    std::snprintf(memory, sizeof memory, "%02X %02X", panel.memory()[0x8000], panel.memory()[0x8001]);
    std::fprintf(
        stderr, "panel-sim: %s\n",
        localized(QT_TRANSLATE_NOOP("Message", "%1 frames, %2 writes, %3 refused; memory at 0x8000: %4"),
                  {std::to_string(c.frames), std::to_string(c.writes), std::to_string(c.refused), memory})
            .c_str());
    if (dump) {
        const Status written = WriteFileSafely(*dump, panel.memory());
        if (!written)
            return fail(written.error().describe());
    }
    if (!served)
        return fail(served.error().describe());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
