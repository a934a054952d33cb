// The virtual panel: reading back an image that fills most of the panel's 32 KB (target under 1 ms),
// drawing its fullest window (target under 1 ms), and one frame of the simulator window at 60 frames per
// second — the clock advanced, a trend sample taken, the screen drawn and turned into the zoomed LCD
// picture — and of the simulator window itself, against the 16.7 ms a frame may take.
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>

#include "BenchProject.h"
#include "editor/simulator/CPanelSimWindow.h"
#include <QSpinBox>
#include <QTableWidget>
#include "compile/CImageCompiler.h"
#include "image/CImageReader.h"
#include "panel/CPanel.h"
#include "qt/CPanelScreenImage.h"
#include "render/CFontFiles.h"

using namespace zl;
using namespace zl::bench;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string settings =
        (std::filesystem::temp_directory_path() / "zl410-bench-panel-In.dat").string();
    CProject project;
    fill(project);
    for (const auto& w : project.windows())
        for (const auto& c : w->components())
            if (auto* trend = dynamic_cast<CTide*>(c.get()))
                trend->sampleInterval = 1;
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    const auto compiled = CImageCompiler::Compile(project, {ZL410_BUILD_DATA_DIR, settings, &*fonts});
    std::filesystem::remove(settings);
    if (!compiled) {
        std::fprintf(stderr, "%s\n", compiled.error().text.c_str());
        return 1;
    }
    const Bytes& image = compiled->image;

    const double decode = medianMs(2000, [&] { (void)CImageReader::Read(image); });
    CPanel panel(*CImageReader::Read(image), *fonts);
    for (int i = 0; i < 10; ++i)
        panel.Advance(1000); // trend lines with samples to draw
    CFrameBuffer screen;
    const double frame = medianMs(2000, [&] { panel.Draw(screen); });
    // Each frame a whole second of panel time, so that every frame takes the trend lines' samples: more
    // work than a sample every 0.1 s.
    const double window = medianMs(600, [&] {
        panel.Advance(1000);
        panel.Draw(screen);
        const QImage lcd = PanelScreenImage(screen, 4);
        (void)lcd.constBits();
    });
    // The simulator window itself: its frame (clock, screen, operand table) and a repaint at zoom 4.
    CPanelSimWindow simulator([&image]() -> Result<Bytes> { return image; }, ZL410_BUILD_DATA_DIR);
    simulator.findChild<QSpinBox*>()->setValue(4);
    simulator.show();
    const double windowFrame = medianMs(300, [&] {
        simulator.tick();
        simulator.repaint();
    });
    std::size_t components = panel.image().windows.front().components.size();
    std::printf("panel: image %zu bytes, %zu windows, %zu components in the window drawn\n", image.size(),
                panel.image().windows.size(), components);
    std::printf("panel: read the image %.3f ms median (target 1 ms: %s)\n", decode,
                decode < 1.0 ? "met" : "MISSED");
    std::printf("panel: draw the window %.3f ms median (target 1 ms: %s)\n", frame,
                frame < 1.0 ? "met" : "MISSED");
    std::printf("panel: simulator frame with trend samples and a 4x LCD picture %.3f ms median "
                "(60 frames per second need 16.7 ms: %s)\n",
                window, window < 1000.0 / 60 ? "met" : "MISSED");
    std::printf(
        "panel: simulator window frame, %d operands in its table, repainted at zoom 4: %.3f ms median "
        "(60 frames per second need 16.7 ms: %s)\n",
        simulator.operandTable()->rowCount(), windowFrame, windowFrame < 1000.0 / 60 ? "met" : "MISSED");
    return 0;
}
