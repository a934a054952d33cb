// zl410-cli render: one window's preview canvas as a PNG picture.
#include <optional>
#include <string>

#include <QImage>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "cli/ProjectErrors.h"
#include "render/CFontFiles.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "qt/CQtPainter.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{"render", "FILE.pjz --window N -o|--output OUT.png [--scale K] [--no-selection]",
                         QT_TRANSLATE_NOOP("Message",
                                           "draw window N as the editor's canvas shows it (432 x 144 pixels, "
                                           "K times larger with --scale): the dotted "
                                           "panel field, the components with their texts in the panel's "
                                           "fonts, and the dotted outline of the first "
                                           "component as when it is selected (left out with --no-selection)"),
                         run};

constexpr unsigned long kMaxScale = 8;

int run(Args& args)
{
    const auto windowNumber = args.number("window", 1, 65535);
    const auto output = args.option("output", "o");
    const auto scale = args.number("scale", 1, kMaxScale).value_or(1);
    const bool unselected = args.flag("no-selection");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1 || !windowNumber || !output)
        return usage(command,
                     QT_TRANSLATE_NOOP("Message", "a project file, --window N and -o OUT.png are required"));
    if (Status distinct = distinctFiles(files, {*output}); !distinct)
        return fail(distinct.error().text);

    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    const int position = project.FindWindowPosition(static_cast<std::uint16_t>(*windowNumber));
    if (position < 0)
        return fail(files[0] + ": there is no window " + std::to_string(*windowNumber));
    const CMainView* window = project.WindowAt(static_cast<std::size_t>(position));
    const auto fonts = CFontFiles::Load(args.dataDir());
    if (!fonts)
        return fail(fonts.error().describe());

    QImage image = RenderCanvasImage(window, unselected ? std::nullopt : window->SelectionRect(), &*fonts);
    if (scale > 1)
        image = image.scaled(image.size() * int(scale), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (const Status written = writePng(*output, image); !written)
        return fail(written.error().describe());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
