// Compiles a project whose download image fills most of the panel's 32 KB and prints the time one
// compile takes (target: under 5 ms), with the fonts read beforehand and with them read each time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "render/CFontFiles.h"
#include "compile/CImageCompiler.h"
#include "model/CProject.h"

using namespace zl;

namespace {

constexpr unsigned kProtocol = 3;

// Distinct double-byte characters, one after the other from the start of the common GBK area.
std::string nextCharacters(unsigned& n, unsigned count)
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

void fill(CProject& project)
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

template <class F> double medianMs(int runs, F&& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main()
{
    const std::string settings = (std::filesystem::temp_directory_path() / "zl410-bench-In.dat").string();
    CProject project;
    fill(project);
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    const CCompileInputs preloaded{ZL410_BUILD_DATA_DIR, settings, &*fonts};
    const auto first = CImageCompiler::Compile(project, preloaded);
    if (!first) {
        std::fprintf(stderr, "%s\n", first.error().text.c_str());
        return 1;
    }
    const double compile = medianMs(200, [&] { (void)CImageCompiler::Compile(project, preloaded); });
    const double withFonts = medianMs(50, [&] {
        (void)CImageCompiler::Compile(project, {ZL410_BUILD_DATA_DIR, settings});
    });
    std::filesystem::remove(settings);
    std::printf("compile: image %zu bytes (%zu glyphs of 32 bytes, %zu of 16), driver %zu bytes\n",
                first->image.size(), first->map.ledGlyphs + first->map.symbols + first->map.doubleByteChars,
                first->map.singleByteChars, first->driver.bytes.size());
    std::printf("compile: %.3f ms median (target 5 ms: %s); %.3f ms reading the fonts each time\n", compile,
                compile < 5.0 ? "met" : "MISSED", withFonts);
    return 0;
}
