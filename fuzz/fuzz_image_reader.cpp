// Download images from outside: the reader must refuse what does not fit, and whatever it accepts the
// virtual panel must run — keys taken from the input's last bytes, time passing, every screen drawn —
// touching only glyphs and picture pages inside the image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "image/CImageReader.h"
#include "panel/CPanel.h"
#include "panel/CPanelOperands.h"

using namespace zl;

namespace
{

// Blank fonts in a folder of their own: the panel needs its built-in characters.
const CFontFiles& blankFonts()
{
    static const std::optional<CFontFiles> fonts = [] {
        const auto dir = std::filesystem::temp_directory_path() / "zl410-fuzz-image-fonts";
        std::filesystem::create_directories(dir);
        std::ofstream(CFontFiles::englishPath(dir.string()), std::ios::binary)
            << std::string(CFontFiles::kEnglishSize, '\x5A');
        std::ofstream(CFontFiles::chinesePath(dir.string()), std::ios::binary)
            << std::string(CFontFiles::kChineseSize, '\0');
        auto loaded = CFontFiles::Load(dir.string());
        if (!loaded)
            std::abort();
        return std::optional<CFontFiles>(std::move(*loaded));
    }();
    return *fonts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto read = CImageReader::Read(Bytes(data, data + size));
    if (!read) {
        if (!read.error().offset || *read.error().offset > size)
            std::abort();
        return 0;
    }
    CPanel panel(std::move(*read), blankFonts());
    for (const CPanelOperand& o : imageOperands(panel))
        setOperandValue(panel, o, 0xFFFFFFFF);
    CFrameBuffer screen;
    panel.Draw(screen);
    // The last bytes as keys, each followed by some time.
    for (std::size_t i = size > 16 ? size - 16 : 0; i < size; ++i) {
        panel.Press(static_cast<CPanelKey>(data[i] % kPanelKeyCount));
        panel.Advance(data[i] * 37u);
        panel.Draw(screen);
    }
    return 0;
}
