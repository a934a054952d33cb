// Renders a window of 50 components as the editor paints its canvas (Qt painter into a 432 × 144 image)
// and prints the time one paint takes (target: under 2 ms).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QImage>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "render/CFontFiles.h"
#include "model/CMainView.h"
#include "qt/CQtPainter.h"

#include "MedianTime.h"

using namespace zl;
using zl::bench::medianMs;

namespace {

constexpr unsigned kProtocol = 1;

template <class T, class... Args> T& add(CMainView& w, int x, int y, Args&&... args)
{
    auto c = std::make_unique<T>(kProtocol, CPoint{}, std::forward<Args>(args)...);
    T& ref = *c;
    w.AddComponent(std::move(c), {x, y});
    return ref;
}

// 16 texts (some double-byte, some reversed or double), 8 registers, 5 dynamic texts, 6 LEDs, 6 keys,
// 4 bars, 3 trend lines and 2 pictures, overlapping as a crowded window would.
void fill(CMainView& w)
{
    for (int i = 0; i < 16; ++i) {
        auto& t = add<CChars>(w, 27 * (i % 8), 36 * (i / 8), i % 3 ? "Level" : "\xD6\xD0\xCE\xC4 A");
        t.reverse = i % 4 == 1;
    }
    for (int i = 0; i < 8; ++i) {
        auto& r = add<CRegister>(w, 54 * i, 72);
        r.decimals = static_cast<std::uint8_t>(i % 3);
        r.isSigned = i % 2;
    }
    for (int i = 0; i < 5; ++i)
        add<CDynamic>(w, 72 * i, 108);
    for (int i = 0; i < 6; ++i)
        add<CLight>(w, 36 * i, 0).shapeOrKey = i % 2;
    for (int i = 0; i < 6; ++i) {
        auto& k = add<CFunction>(w, 36 * i + 216, 0);
        k.shapeOrKey = static_cast<std::uint8_t>(i * 3);
        k.hand = i % 2;
        k.Replace();
    }
    for (int i = 0; i < 4; ++i)
        add<CBar>(w, 108 * i, 18).SetDirection(static_cast<std::uint8_t>(i));
    for (int i = 0; i < 3; ++i)
        add<CTide>(w, 108 * i, 36);
    const CRgbImage picture{96, 32, std::vector<std::uint32_t>(96 * 32, 0xFFFFFF)};
    add<CUpLoadPic>(w, 0, 72, picture);
    add<CUpLoadPic>(w, 216, 72, picture);
}

} // namespace

int main()
{
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    CMainView window;
    fill(window);
    const double render =
        medianMs(500, [&] { (void)RenderCanvasImage(&window, window.SelectionRect(), &*fonts); });
    std::printf("render: %zu components, %.3f ms median per canvas (target 2 ms)\n", window.componentCount(),
                render);
    return render < 2.0 ? 0 : 1;
}
