#pragma once
// The panel fonts beside the program, read whole and kept in memory:
//   "Zentu_EN.dat"  8 x 16 glyphs, 16 bytes per code 0 ... 255: rows top to bottom, bit 7 = leftmost pixel.
//   "Zentu_CH.dat"  16 x 16 glyphs of the GBK double-byte codes, 32 bytes per code: rows top to bottom,
//                   two bytes per row, bit 7 of the first = leftmost pixel. The code (lead, trail), lead
//                   0x81 ... 0xFE and trail 0x40 ... 0xFE, is glyph (lead - 0x81) * 191 + (trail - 0x40).
// Longer files are accepted; only the leading glyphs are read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

class CFontFiles {
public:
    using SingleGlyph = std::array<std::uint8_t, 16>;
    using DoubleGlyph = std::array<std::uint8_t, 32>;

    static constexpr unsigned kLeadFirst = 0x81, kLeadLast = 0xFE;
    static constexpr unsigned kTrailFirst = 0x40, kTrailLast = 0xFE;
    static constexpr std::size_t kTrails = kTrailLast - kTrailFirst + 1; // 191, 0x7F included
    static constexpr std::size_t kEnglishSize = 256 * sizeof(SingleGlyph);
    static constexpr std::size_t kChineseSize = (kLeadLast - kLeadFirst + 1) * kTrails * sizeof(DoubleGlyph);

    static std::string englishPath(const std::string& dataDir); // Zentu_EN.dat
    static std::string chinesePath(const std::string& dataDir); // Zentu_CH.dat

    // Both fonts from `dataDir`. A file that cannot be opened gives "does the file<path> exist?", one
    // shorter than its glyph table a message naming it; both with the caption "Download data".
    static Result<CFontFiles> Load(const std::string& dataDir);

    SingleGlyph singleByteGlyph(std::uint8_t code) const;
    // Blank for a code outside the table.
    DoubleGlyph doubleByteGlyph(std::uint8_t lead, std::uint8_t trail) const;

private:
    CFontFiles(Bytes english, Bytes chinese) : m_english(std::move(english)), m_chinese(std::move(chinese)) {}

    Bytes m_english; // kEnglishSize bytes
    Bytes m_chinese; // kChineseSize bytes
};

} // namespace zl
