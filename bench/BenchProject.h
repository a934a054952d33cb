#pragma once
// A project whose download image fills most of the panel's 32 KB, and a timer: shared by the benchmarks
// of the compiler and of the virtual panel.
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "model/CProject.h"
#include "MedianTime.h"

namespace zl::bench
{

constexpr unsigned kProtocol = 3;

// Distinct double-byte characters, one after the other from the start of the common GBK area.
inline std::string nextCharacters(unsigned& n, unsigned count)
{
    std::string text;
    for (unsigned i = 0; i < count; ++i, ++n) {
        text += static_cast<char>(0xB0 + n / 94);
        text += static_cast<char>(0xA1 + n % 94);
    }
    return text;
}

template <class T, class... Args> T& add(CMainView& w, int x, int y, Args&&... args)
{
    auto c = std::make_unique<T>(kProtocol, CPoint{panelToCanvas(x), panelToCanvas(y)},
                                 std::forward<Args>(args)...);
    T& ref = *c;
    w.AppendComponent(std::move(c));
    return ref;
}

inline void fill(CProject& project)
{
    project.SetProtocol(kProtocol);
    unsigned characters = 0;
    const CRgbImage picture{96, 32, std::vector<std::uint32_t>(96 * 32, 0xFFFFFF)};
    for (std::uint16_t number = 1; number <= 6; ++number) {
        CMainView& w = *project.WindowAt(project.AddWindow(number));
        for (int row = 0; row < 7; ++row)
            add<CChars>(w, 0, row % 4 * 16, nextCharacters(characters, 12));
        add<CChars>(w, 0, 48, "Pressure: bar");
        add<CUpLoadPic>(w, 96, 0, picture);
        for (int i = 0; i < 12; ++i) {
            auto& r = add<CRegister>(w, 8 * (i % 6) * 4, 16 * (i / 6));
            r.limited = 1;
            r.maxInput = 1000;
        }
        for (int i = 0; i < 3; ++i) {
            auto& d = add<CDynamic>(w, 120, 16 * i);
            for (int e = 1; e < 8; ++e) {
                d.values[e] = e + 1;
                d.valueTexts[e] = std::to_string(e + 1);
                d.contents[e] = "State " + std::to_string(e);
            }
        }
        add<CTide>(w, 0, 16);
        add<CTide>(w, 96, 16);
        add<CBar>(w, 176, 0);
    }
    for (int i = 0; i < 50; ++i)
        project.alarms.texts.push_back("Alarm " + std::to_string(i) + ": " + nextCharacters(characters, 3));
}

} // namespace zl::bench
