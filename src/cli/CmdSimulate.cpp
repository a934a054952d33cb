// zl410-cli simulate: the panel running a project's image (or an image file) against a simulated PLC,
// keys pressed and time passed as asked; writes the screen it ends on.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/CJson.h"
#include "base/FileIo.h"
#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/CompileProject.h"
#include "image/CImageReader.h"
#include "panel/CPanel.h"
#include "panel/CPanelOperands.h"
#include "qt/CPanelScreenImage.h"
#include "render/CFontFiles.h"

namespace zl::cli
{
namespace
{

int run(Args& args);
const CliCommand command{
    "simulate",
    "(FILE.pjz | --image IMAGE.bin) [--set OPERAND=VALUE ...] [--keys \"SET 1 2 ENT ...\"] [--seconds S] "
    "-o SCREEN.png [--scale K] [--json]",
    QT_TRANSLATE_NOOP("Message", "run the download image on a simulated panel: set PLC values (the "
                                 "protocol's register type names, e.g. "
                                 "D100=1234, M5=1, a bit of a word as D100.3=1), press keys (ESC ALM Up Down "
                                 "Left Right SET ENT CLR +/- "
                                 "0-9), let S seconds pass, write the screen and report the window shown and "
                                 "the PLC writes the keys made"),
    run};

constexpr unsigned long kMaxScale = 16;
constexpr double kMaxSeconds = 7 * 24 * 3600.0;
constexpr std::uint64_t kKeyGapMs = 100; // between two scripted keys, so that pulses end

const char* screenName(CPanelScreen s)
{
    switch (s) {
    case CPanelScreen::AlarmList:
        return "alarm list";
    case CPanelScreen::TimeDate:
        return "time/date";
    case CPanelScreen::ScreenSaver:
        return "screen saver";
    case CPanelScreen::Password:
        return "password";
    case CPanelScreen::Window:
        break;
    }
    return "window";
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
            return usage(command, "the seconds are a number from 0 to " + std::to_string(long(kMaxSeconds)));
    }
    std::vector<CPanelKey> keys;
    if (keysText) {
        std::string unknown;
        const auto parsed = parsePanelKeys(*keysText, unknown);
        if (!parsed)
            return usage(command, "no key is called \"" + unknown + "\"");
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
    for (CPanelKey key : keys) {
        panel.Press(key);
        panel.Advance(kKeyGapMs);
    }
    panel.Advance(static_cast<std::uint64_t>(std::llround(seconds * 1000)));

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
        std::printf("%s\n", out.dump().c_str());
    } else {
        std::printf("Window %u (%s)\n", unsigned(panel.WindowNumber()), screenName(panel.Screen()));
        for (const CPlcWrite& w : panel.Writes())
            std::printf("wrote %s = %u (station %u, at %llu ms)\n", nameOf(w).c_str(), unsigned(w.value),
                        unsigned(w.operand.station), static_cast<unsigned long long>(w.at));
    }
    return kExitOk;
}

} // namespace
} // namespace zl::cli
