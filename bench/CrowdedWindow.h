#pragma once
// A crowded window of 50 components, as the render and canvas benchmarks draw it.
#include <memory>
#include <utility>
#include <vector>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "model/CMainView.h"

namespace zl::bench
{

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
inline void fillCrowdedWindow(CMainView& w)
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


} // namespace zl::bench
