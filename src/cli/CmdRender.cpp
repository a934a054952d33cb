// zl410-cli render: one window's preview canvas as a PNG picture, or every window's into a folder.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <QImage>

#include "cli/Cli.h"
#include "cli/CliFiles.h"
#include "base/FileIo.h"
#include "cli/ProjectErrors.h"
#include "render/CFontFiles.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "qt/CQtPainter.h"

namespace zl::cli {
namespace {

int run(Args& args);
const CliCommand command{
    "render", "FILE.pjz (--window N | --all) -o|--output OUT.png|DIR [--scale K] [--no-selection]",
    QT_TRANSLATE_NOOP("Message",
                      "draw window N as the editor's canvas shows it (432 x 144 pixels, K times larger with --scale): "
                      "the dotted panel field, the components with their texts in the panel's fonts, and the dotted "
                      "outline of the first component as when it is selected (left out with --no-selection); with "
                      "--all, every window into the folder DIR as window-<number>.png, all of them or none"),
    run};

constexpr unsigned long kMaxScale = 8;

QImage windowPicture(const CMainView* window, const CFontFiles& fonts, unsigned long scale, bool unselected)
{
    QImage image = RenderCanvasImage(window, unselected ? std::nullopt : window->SelectionRect(), &fonts);
    if (scale > 1)
        image = image.scaled(image.size() * int(scale), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}

// Every window into `folder`, created when missing; the pictures are encoded first and then written as one
// safe write, so that a failure leaves no picture behind (and no folder the command created).
int renderAll(const std::string& file, const CProject& project, const std::string& folder, const CFontFiles& fonts,
              unsigned long scale, bool unselected)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool created = fs::create_directory(FilePath(folder), ec);
    if (ec)
        return fail(FileError(folder, ec.message()).describe());
    std::vector<Bytes> pictures;
    std::vector<std::string> paths;
    for (const auto& window : project.windows()) {
        auto png = encodePng(windowPicture(window.get(), fonts, scale, unselected));
        if (!png)
            return fail(png.error().describe());
        pictures.push_back(std::move(*png));
        paths.push_back(Utf8Path(FilePath(folder) / ("window-" + std::to_string(window->number) + ".png")));
    }
    std::vector<CFileWrite> writes;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        writes.push_back({paths[i], pictures[i]});
    Status written = distinctFiles({file}, paths);
    if (written)
        written = WriteFilesSafely(writes);
    if (!written) {
        if (created)
            fs::remove(FilePath(folder), ec);
        return fail(written.error().describe());
    }
    return kExitOk;
}

int run(Args& args)
{
    const bool all = args.flag("all");
    const auto windowNumber = args.number("window", 1, 65535);
    const auto output = args.option("output", "o");
    const auto scale = args.number("scale", 1, kMaxScale).value_or(1);
    const bool unselected = args.flag("no-selection");
    const std::vector<std::string> files = args.positional();
    if (args.usageError())
        return usage(command, args.usageMessage());
    if (files.size() != 1 || all == windowNumber.has_value() || !output)
        return usage(command,
                     QT_TRANSLATE_NOOP("Message", "a project file, --window N or --all, and -o are required"));
    if (Status distinct = distinctFiles(files, {*output}); !all && !distinct)
        return fail(distinct.error().text);

    CProject project;
    if (const Status opened = OpenProjectFile(files[0], project); !opened)
        return fail(projectFailure(files[0], opened.error()));
    const auto fonts = CFontFiles::Load(args.dataDir());
    if (!fonts)
        return fail(fonts.error().describe());
    if (all)
        return renderAll(files[0], project, *output, *fonts, scale, unselected);
    const int position = project.FindWindowPosition(static_cast<std::uint16_t>(*windowNumber));
    if (position < 0)
        return fail(localized(QT_TRANSLATE_NOOP("Message", "%1: there is no window %2"),
                              {files[0], std::to_string(*windowNumber)}));
    const CMainView* window = project.WindowAt(static_cast<std::size_t>(position));
    if (const Status written = writePng(*output, windowPicture(window, *fonts, scale, unselected)); !written)
        return fail(written.error().describe());
    return kExitOk;
}

} // namespace
} // namespace zl::cli
