#include <gtest/gtest.h>

#include <QImage>

#include "RunCli.h"
#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "render/CFontFiles.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "model/TempDir.h"
#include "qt/CQtPainter.h"

namespace zl::test {
namespace {

// Window 2 holds a text (selected, on top), an LED, a key with the hand, a bar and a trend line.
void writeProject(const std::string& path)
{
    CProject p;
    p.SetProtocol(1);
    p.AddWindow(1);
    CMainView& w = *p.WindowAt(p.AddWindow(2));
    w.AddComponent(std::make_unique<CTide>(1, CPoint{}), {207, 36});
    w.AddComponent(std::make_unique<CBar>(1, CPoint{}), {162, 18});
    auto key = std::make_unique<CFunction>(1, CPoint{});
    key->hand = 1;
    w.AddComponent(std::move(key), {45, 90});
    w.AddComponent(std::make_unique<CLight>(1, CPoint{}), {0, 90});
    w.AddComponent(std::make_unique<CChars>(1, CPoint{}, "Pump 1"), {9, 9});
    ASSERT_TRUE(SaveProjectFile(path, p).ok());
}

TEST(RenderCommand, WritesTheCanvasTheEditorShows)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    CProject loaded;
    ASSERT_TRUE(OpenProjectFile(dir.file("p.pjz"), loaded).ok());
    const CMainView* window = loaded.WindowAt(1);
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    ASSERT_TRUE(fonts);

    const struct {
        std::vector<std::string> options;
        std::optional<CRect> outline;
        int scale;
    } cases[] = {
        {{}, window->SelectionRect(), 1},
        {{"--scale", "3", "--no-selection"}, std::nullopt, 3},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"render", dir.file("p.pjz"), "--window", "2", "-o", dir.file("w.png")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const QImage png(QString::fromStdString(dir.file("w.png")));
        ASSERT_EQ(png.size(), QSize(432 * c.scale, 144 * c.scale));
        const QImage expected = RenderCanvasImage(window, c.outline, &*fonts)
                                    .scaled(png.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_TRUE(png.convertToFormat(QImage::Format_RGB32) == expected) << c.scale;
    }
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("w.png"))).pixel(9 * 3, 9 * 3) & 0xFFFFFF, 0x404040u);
}

TEST(RenderCommand, RefusesWrongArgumentsAndMissingWindows)
{
    TempDir dir;
    writeProject(dir.file("p.pjz"));
    const std::string out = dir.file("w.png");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"render", dir.file("p.pjz"), "-o", out}, 2, "--window N"},
        {{"render", dir.file("p.pjz"), "--window", "0", "-o", out}, 2, "1 to 65535"},
        {{"render", dir.file("p.pjz"), "--window", "2", "-o", out, "--scale", "9"}, 2, "1 to 8"},
        {{"render", dir.file("p.pjz"), "--window", "3", "-o", out}, 1, "no window 3"},
        {{"render", dir.file("none.pjz"), "--window", "1", "-o", out}, 1, "none.pjz"},
        {{"render", dir.file("p.pjz"), "--window", "1", "-o", dir.file("no/such/dir/w.png")}, 1,
         "w.png error! (No such file or directory)"},
        {{"--data-dir", dir.path(), "render", dir.file("p.pjz"), "--window", "1", "-o", out}, 1, "Zentu_CH.dat"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace zl::test
