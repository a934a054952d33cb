#pragma once
// The project check: compiles a copy of the project without sending it and lists what the compile would
// change or what the panel would show wrongly, each with its window and component. The project itself is
// left untouched; the copy, as the compile left it, comes with the report so that a download can send its
// image and take over what the compile stored back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compile/CImageCompiler.h"
#include "model/CProject.h"

namespace zl
{

class CJson;

struct CCheckFinding {
    enum class Kind {
        LimitRepair,         // the compile repairs an inverted value range
        UndrawableCharacter, // the panel fonts have no glyph for a character
        UnshowableText,      // a text holds a byte the panel would misread (half a two-byte character)
        MissingKeyJump,      // a function key jumps to a window that does not exist
        NoWindows,           // the project has no window for the panel to show
        ReplacedWindow,      // the initial or screen-saver window does not exist; the compile replaces it
        MissingArrowJump,    // an Up or Down jump other than the default names no window
        Overhang,            // a component reaches beyond the panel
        TooManyComponents,   // a window holds more components than its table entry can count
        ImageTooLarge,       // the image does not fit into the panel
        CompileError,        // the compile stops (fonts, driver, alarm list)
        DuplicateValue,      // two entries of a dynamic text's table have one value; the first one shows
        ReadOnlyEntry,       // a register of a read-only type is saved with Set or a password
        UnknownRegisterType, // the register type index lies beyond the protocol's list of types
    };

    Kind kind;
    std::optional<std::uint16_t> window;  // window number; none for the project as a whole
    std::optional<std::size_t> component; // position in the window's component list
    std::string componentName;            // e.g. "Register at (100, 40)"; empty without a component
    std::string text;                     // what is wrong, and what the compile makes of it (UTF-8)

    // Stable names for reports: "limit-repair", "undrawable-character", …
    static const char* kindName(Kind kind);
};

struct CCheckReport {
    // The panel's image area: 0x8000 … 0xFFFF.
    static constexpr std::size_t kImageCapacity = CImageCompiler::kMaxImageSize;

    std::vector<CCheckFinding> findings;
    std::optional<std::size_t> imageSize;      // none when the compile stopped before measuring
    std::optional<CCompiledImage> compiled;    // present when the image can be sent
    std::unique_ptr<CProject> compiledProject; // the copy after the compile (corrected windows, limits)

    bool clean() const { return findings.empty(); }
    // "N of 32,768 bytes".
    std::string sizeText() const;
    CJson Describe() const;
};

// Checks `project`. The tool settings are written (list position of the driver found) only when
// `inputs.toolSettingsPath` is given, as a download does.
CCheckReport CheckProject(const CProject& project, const CCompileInputs& inputs);

// Store into `project` what the compile stored back into the report's copy; true when anything changed.
// The settings: the corrected initial and screen-saver windows and the catalogue position of the driver.
bool TakeCorrectedSettings(CProject& project, const CCheckReport& report);
// The repaired limits of the components the report names.
bool TakeRepairedLimits(CProject& project, const CCheckReport& report);
// The windows TakeRepairedLimits changes.
std::vector<std::uint16_t> WindowsWithRepairedLimits(const CCheckReport& report);

} // namespace zl
