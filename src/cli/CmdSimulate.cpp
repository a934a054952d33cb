// zl410-cli simulate: the panel running a project's image (or an image file) against a simulated PLC or
// a real Modbus PLC, keys pressed and time passed as asked; writes the screen it ends on.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "base/CJson.h"
#include "base/FileIo.h"
#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/CompileProject.h"
#include "image/CImageReader.h"
#ifdef ZL410_ONLINE
#include "online/CModbusMemory.h"
#endif
#include "panel/CPanel.h"
#include "panel/CPanelOperands.h"
#include "qt/CLanguage.h"
#include "qt/CMessages.h"
#include "qt/CPanelScreenImage.h"
#include "render/CFontFiles.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "simulate",
    "(FILE.pjz | --image IMAGE.bin) [--set OPERAND=VALUE ... | --plc tcp:HOST:PORT|rtu:DEVICE] "
    "[--keys \"SET 1 2 ENT ...\"] [--seconds S] -o SCREEN.png [--scale K] [--json]",
    QT_TRANSLATE_NOOP("Message", "run the download image on a simulated panel: set PLC values (the protocol's "
                                 "register type names, e.g. D100=1234, M5=1, a bit of a word as D100.3=1) or use "
                                 "a real Modbus PLC over TCP or on a serial port with the project's line settings, "
                                 "press keys (ESC ALM Up Down Left Right SET ENT CLR +/- 0-9), let S seconds pass, "
                                 "write the screen and report the window shown and the PLC writes the keys made"),
    run};

constexpr unsigned long kMaxScale = 16;
constexpr double kMaxSeconds = 7 * 24 * 3600.0;
constexpr std::uint64_t kKeyGapMs = 100; // between two scripted keys, so that pulses end
// How long a real PLC may take to give the screen its values before the run gives up on it.
constexpr auto kPlcWait = std::chrono::seconds(5);

// Where the panel's values come from: the simulated PLC, or a real one whose values are waited for
// whenever the screen is about to change.
class PlcLink
{
public:
    // Empty `plc`: the simulated PLC.
    static Result<std::unique_ptr<PlcLink>> Open(const std::optional<std::string>& plc, CPanel& panel)
    {
        auto link = std::make_unique<PlcLink>();
        if (!plc)
            return link;
#ifdef ZL410_ONLINE
        const CImageSettings& settings = panel.image().settings;
        if (const std::string problem = modbusProtocolProblem(settings.protocol); !problem.empty())
            return makeError(problem);
        auto endpoint = CModbusEndpoint::Parse(*plc, settings);
        if (!endpoint)
            return endpoint.error();
        link->m_memory = std::make_unique<CModbusMemory>(*endpoint, settings.protocol);
        panel.UseMemory(link->m_memory.get());
        return link;
#else
        (void)panel;
        return makeError(QT_TRANSLATE_NOOP(
            "Message", "this build has no online simulation (it was built without libmodbus)"));
#endif
    }
    bool Online() const
    {
#ifdef ZL410_ONLINE
        return m_memory != nullptr;
#else
        return false;
#endif
    }
    // Waits for the PLC's answer to what the panel wrote and shows; the simulated PLC has it at once.
    void Settle()
    {
#ifdef ZL410_ONLINE
        if (m_memory)
            (void)m_memory->WaitRefresh(kPlcWait);
#endif
    }

private:
#ifdef ZL410_ONLINE
    std::unique_ptr<CModbusMemory> m_memory;
#endif
};

const char* screenName(CPanelScreen s)
{
    switch (s) {
    case CPanelScreen::AlarmList:
        return QT_TRANSLATE_NOOP("Listing", "alarm list");
    case CPanelScreen::TimeDate:
        return QT_TRANSLATE_NOOP("Listing", "time/date");
    case CPanelScreen::ScreenSaver:
        return QT_TRANSLATE_NOOP("Listing", "screen saver");
    case CPanelScreen::Password:
        return QT_TRANSLATE_NOOP("Listing", "password");
    case CPanelScreen::Window:
        break;
    }
    return QT_TRANSLATE_NOOP("Listing", "window");
}

int run(Args& args)
{
    const auto imagePath = args.option("image");
    std::vector<std::string> sets;
    while (const auto s = args.option("set")) {
        // One --set may carry several assignments separated by spaces.
        std::size_t at = 0;
        while ((at = s->find_first_not_of(' ', at)) != std::string::npos) {
            const std::size_t end = std::min(s->find(' ', at), s->size());
            sets.push_back(s->substr(at, end - at));
            at = end;
        }
    }
    const auto plc = args.option("plc");
    const auto keysText = args.option("keys");
    const auto secondsText = args.option("seconds");
    const auto output = args.option("output", "o");
    const auto scale = args.number("scale", 1, kMaxScale).value_or(1);
    const bool json = args.flag("json");
    const auto files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() + (imagePath ? 1 : 0) != 1)
        return usage(command, QT_TRANSLATE_NOOP("Message", "one project file or --image IMAGE.bin expected"));
    if (!output)
        return usage(command, QT_TRANSLATE_NOOP("Message", "-o SCREEN.png is required"));
    if (plc && !sets.empty())
        return usage(command,
                     QT_TRANSLATE_NOOP("Message", "--set and --plc do not go together: the PLC holds the values"));
    std::vector<std::string> inputs = files;
    if (imagePath)
        inputs.push_back(*imagePath);
    if (Status distinct = distinctFiles(inputs, {*output}); !distinct)
        return fail(distinct.error().text);
    double seconds = 0;
    if (secondsText) {
        char* end = nullptr;
        seconds = std::strtod(secondsText->c_str(), &end);
        // Digits and a point only: no sign, space, exponent or "inf".
        if (secondsText->find_first_not_of("0123456789.") != std::string::npos || secondsText->empty() ||
            *end || !(seconds >= 0 && seconds <= kMaxSeconds))
            return usage(command,
                         localized(QT_TRANSLATE_NOOP("Message", "the seconds are a number from 0 to %1"),
                                   {std::to_string(long(kMaxSeconds))}));
    }
    std::vector<CPanelKey> keys;
    if (keysText) {
        std::string unknown;
        const auto parsed = parsePanelKeys(*keysText, unknown);
        if (!parsed)
            return usage(command,
                         localized(QT_TRANSLATE_NOOP("Message", "no key is called \"%1\""), {unknown}));
        keys = *parsed;
    }

    Bytes image;
    if (imagePath) {
        auto bytes = ReadWholeFile(*imagePath, CImageCompiler::kMaxImageSize);
        if (!bytes)
            return fail(bytes.error().describe());
        image = std::move(*bytes);
    } else {
        auto compiled = compileProjectFile(files.front(), args.dataDir(), true);
        if (!compiled)
            return fail(compiled.error().describe());
        image = std::move(compiled->image);
    }
    auto decoded = CImageReader::Read(std::move(image));
    if (!decoded)
        return fail((imagePath ? *imagePath + ": " : std::string()) + decoded.error().describe());
    const auto fonts = CFontFiles::Load(args.dataDir());
    if (!fonts)
        return fail(fonts.error().describe());

    CPanel panel(std::move(*decoded), *fonts);
    for (const std::string& s : sets)
        if (Status set = setOperand(panel, s); !set)
            return fail(set.error().text);
    auto link = PlcLink::Open(plc, panel);
    if (!link)
        return fail(link.error().text);
    PlcLink& values = **link;
    values.Settle();
    for (CPanelKey key : keys) {
        panel.Press(key);
        values.Settle();
        panel.Advance(kKeyGapMs);
    }
    const auto ms = static_cast<std::uint64_t>(std::llround(seconds * 1000));
    if (values.Online()) {
        // A real PLC goes on in real time: the panel's clock keeps pace with it.
        const auto start = std::chrono::steady_clock::now();
        for (std::uint64_t passed = 0; passed < ms;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min<std::uint64_t>(ms - passed, 100)));
            const auto now = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                            std::chrono::steady_clock::now() - start)
                                                            .count());
            panel.Advance(std::min(now, ms) - passed);
            passed = std::min(now, ms);
        }
        values.Settle();
    } else {
        panel.Advance(ms);
    }

    CFrameBuffer screen;
    panel.Draw(screen);
    if (const Status written = writePng(*output, PanelScreenImage(screen, int(scale))); !written)
        return fail(written.error().describe());

    const unsigned protocol = panel.image().settings.protocol;
    auto nameOf = [protocol](const CPlcWrite& w) {
        std::string name = operandName(w.operand.typeValue, w.operand.address, protocol, w.bit ? 2 : 1);
        if (w.bit && CPlcMemory::UnitBytes(w.operand.typeValue) > 0)
            name += "." + std::to_string(*w.bit);
        return name;
    };
    if (json) {
        CJson out = CJson::object();
        out.set("window", CJson(unsigned(panel.WindowNumber())));
        out.set("screen", screenName(panel.Screen()));
        CJson writes = CJson::array();
        for (const CPlcWrite& w : panel.Writes()) {
            CJson one = CJson::object();
            one.set("operand", nameOf(w));
            one.set("station", CJson(unsigned(w.operand.station)));
            one.set("value", CJson(static_cast<unsigned long long>(w.value)));
            one.set("ms", CJson(static_cast<unsigned long long>(w.at)));
            writes.push(std::move(one));
        }
        out.set("writes", std::move(writes));
        if (!panel.memory().Fault().empty())
            out.set("plcFault", panel.memory().Fault());
        std::printf("%s\n", out.dump().c_str());
    } else {
        std::printf("%s\n", localized(QT_TRANSLATE_NOOP("Message", "Window %1 (%2)"),
                                      {std::to_string(panel.WindowNumber()),
                                       translate("Listing", screenName(panel.Screen()))})
                                .c_str());
        for (const CPlcWrite& w : panel.Writes())
            std::printf("%s\n",
                        localized(QT_TRANSLATE_NOOP("Message", "wrote %1 = %2 (station %3, at %4 ms)"),
                                  {nameOf(w), std::to_string(w.value), std::to_string(w.operand.station),
                                   std::to_string(w.at)})
                            .c_str());
    }
    // The screen says so too, but a script reads the exit status.
    if (const std::string fault = panel.memory().Fault(); !fault.empty())
        return fail(localized(QT_TRANSLATE_NOOP("Message", "the PLC: %1"), {translateMessage(fault)}));
    return kExitOk;
}

} // namespace
} // namespace zl::cli
