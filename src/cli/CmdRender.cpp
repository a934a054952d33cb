// zl410-cli render: one window's preview canvas as a PNG picture.
#include <cstdlib>
#include <optional>
#include <string>

#include <QImage>

#include "cli/Cli.h"
#include "cli/ProjectErrors.h"
#include "render/CFontFiles.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "qt/CQtPainter.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "render", "FILE.pjz --window N -o|--output OUT.png [--scale K] [--no-selection]",
    "draw window N as the editor's canvas shows it (432 x 144 pixels, K times larger with --scale): the dotted "
    "panel field, the components with their texts in the panel's fonts, and the dotted outline of the first "
    "component as when it is selected (left out with --no-selection)",
    run};

constexpr long kMaxScale = 8;

// A whole decimal number within [low, high].
std::optional<long> number(const std::string& text, long low, long high)
{
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || n < low || n > high)
        return std::nullopt;
    return n;
}

int run(Args& args)
{
    const auto windowText = args.option("window");
    const auto output = args.option("output", "o");
    const auto scaleText = args.option("scale");
    const bool unselected = args.flag("no-selection");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1 || !windowText || !output)
        return usage(command, "a project file, --window N and -o OUT.png are required");
    const auto windowNumber = number(*windowText, 1, 65535);
    if (!windowNumber)
        return usage(command, "the window is a number from 1 to 65535");
    const auto scale = scaleText ? number(*scaleText, 1, kMaxScale) : 1L;
    if (!scale)
        return usage(command, "the scale is a number from 1 to " + std::to_string(kMaxScale));

    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    const int position = project.FindWindowPosition(static_cast<std::uint16_t>(*windowNumber));
    if (position < 0)
        return fail(files[0] + ": there is no window " + *windowText);
    const CMainView* window = project.WindowAt(static_cast<std::size_t>(position));
    const auto fonts = CFontFiles::Load(args.dataDir());
    if (!fonts)
        return fail(fonts.error().describe());

    QImage image = RenderCanvasImage(window, unselected ? std::nullopt : window->SelectionRect(), &*fonts);
    if (*scale > 1)
        image = image.scaled(image.size() * int(*scale), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(QString::fromStdString(*output), "PNG"))
        return fail("cannot write " + *output);
    return kExitOk;
}

} // namespace
} // namespace zl::cli
