#pragma once
// Compiles a project into the panel's download image: the 48-byte header, the glyphs of the characters and
// key symbols the project uses, the window table, one pointer table per window, the component records,
// the dynamic-text tables and the alarm list, laid out from panel address 0x8000. It also loads the
// driver of the project's protocol, which is sent from address 0x0000.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "compile/CImageMap.h"
#include "plc/CProtocolCatalogue.h"
#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

class CFontFiles;
class CProject;

// Asked (OK stops the download) when the compile had to repair inconsistent limits.
inline constexpr const char* kLimitQuestion = "Register Limit error, cancel?";

struct CCompileInputs {
    std::string dataDir;               // the fonts and the protocol catalogue
    std::string toolSettingsPath;      // "In.dat": byte 0 follows the driver found; empty: left alone
    const CFontFiles* fonts = nullptr; // fonts already read; else read from dataDir
    // A check measures what the panel cannot take (windows over 255 components, images over 32 KiB,
    // texts it would misread) instead of refusing it; such an image must not be sent.
    bool measureOversize = false;
};

struct CCompiledImage {
    Bytes image;                       // sent from panel address 0x8000
    CDriver driver;                    // sent from panel address 0x0000
    std::uint8_t limitFlag = 0;        // 1 a register's, 3 a bar graph's or trend line's limits were repaired
    std::vector<std::string> repaired; // one line per repaired component, "window N: …"
    std::vector<std::string> notes;    // what went wrong on the side without stopping the compile
    CImageMap map;

    // The caller asks kLimitQuestion before it sends the image.
    bool limitRepaired() const { return limitFlag != 0; }
};

class CImageCompiler {
public:
    static constexpr std::uint16_t kImageAddress = 0x8000;
    static constexpr std::uint16_t kGlyphAddress = 0x8030;
    // The image's addresses are 16 bits wide and start at 0x8000.
    static constexpr std::size_t kMaxImageSize = 0x8000;
    // A window's component count is one byte of its table entry.
    static constexpr std::size_t kMaxComponentsPerWindow = 255;

    // Compiles `project` and loads its protocol's driver. The corrected initial and screen-saver windows
    // are stored back into the project's panel settings, a repaired limit into the component. Every
    // component's record and the alarm list's records are freed before it returns, whatever the outcome.
    static Result<CCompiledImage> Compile(CProject& project, const CCompileInputs& inputs);
};

} // namespace zl
