#pragma once
// The glyphs of the download image in the panel's page format: a glyph is two pages of 8 pixel rows, each
// page one byte per column from left to right, bit 0 the top row of the page, a set bit a dark pixel.
// 16 × 16 glyphs take 32 bytes, 8 × 16 glyphs 16.
#include <array>
#include <cstdint>

#include "render/CFontFiles.h"

namespace zl {

struct CImageGlyphs {
    using Glyph = std::array<std::uint8_t, 32>;
    using HalfGlyph = std::array<std::uint8_t, 16>;

    static constexpr unsigned kLedGlyphs = 4;
    static constexpr unsigned kSymbolCount = 21; // the 20 keys, then the hand
    static constexpr std::uint8_t kHandSymbol = 20;

    // The LED lamps, off and on, round then square: the glyphs an LED record indexes.
    static const std::array<Glyph, kLedGlyphs>& LedBlock();
    // The key symbol `code`; blank for a code beyond the table.
    static Glyph Symbol(std::uint8_t code);

    // Font rows (top to bottom, bit 7 = leftmost pixel) turned into pages.
    static Glyph FromRows(const CFontFiles::DoubleGlyph& rows);
    static HalfGlyph FromRows(const CFontFiles::SingleGlyph& rows);
};

} // namespace zl
