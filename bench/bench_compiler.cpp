// Compiles a project whose download image fills most of the panel's 32 KB and prints the time one
// compile takes (target: under 5 ms), with the fonts read beforehand and with them read each time.
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchProject.h"
#include "compile/CImageCompiler.h"
#include "render/CFontFiles.h"

using namespace zl;
using namespace zl::bench;

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
