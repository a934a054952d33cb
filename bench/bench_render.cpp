// Renders a window of 50 components as the editor paints its canvas (Qt painter into a 432 × 144 image)
// and prints the time one paint takes (target: under 2 ms).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QImage>

#include "render/CFontFiles.h"
#include "qt/CQtPainter.h"

#include "CrowdedWindow.h"
#include "MedianTime.h"

using namespace zl;
using zl::bench::fillCrowdedWindow;
using zl::bench::medianMs;

int main()
{
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    CMainView window;
    fillCrowdedWindow(window);
    const double render =
        medianMs(500, [&] { (void)RenderCanvasImage(&window, window.SelectionRect(), &*fonts); });
    std::printf("render: %zu components, %.3f ms median per canvas (target 2 ms)\n", window.componentCount(),
                render);
    return render < 2.0 ? 0 : 1;
}
