// Writes the panel fonts from GNU Unifont (unifont.hex: one "CODEPOINT:HEX" line per glyph, 16 rows,
// 8 or 16 pixels wide, bit 7 of each row byte the leftmost pixel):
//   Zentu_EN.dat  8 x 16, 16 bytes per code 0 ... 255: rows top to bottom, one byte each. Codes 0x20 ... 0x7E
//                 carry the ASCII glyphs; every other code is blank.
//   Zentu_CH.dat  16 x 16, 32 bytes per GBK double-byte code at ((lead - 0x81) * 191 + (trail - 0x40)) * 32:
//                 rows top to bottom, two bytes each. Codes without a GBK mapping or without a Unifont glyph
//                 are blank; glyphs only 8 pixels wide sit in the left half.
//
//   zl410-gen-fonts <unifont.hex> <output folder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "GenOutput.h"
#include "base/GbkTable.h"

namespace
{

using zl::gen::fail;

struct Glyph {
    unsigned width = 0; // 0: no glyph
    std::array<std::uint8_t, 32> rows{};
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The Basic Multilingual Plane of unifont.hex, which is all that GBK maps to. Glyphs of other widths
// than 8 and 16 (the extended formats) are left out.
std::vector<Glyph> readUnifont(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        fail("cannot open " + path + " (install the Unifont glyphs: sudo apt-get install unifont)");
    std::vector<Glyph> glyphs(0x10000);
    std::string line;
    for (unsigned lineNo = 1; std::getline(in, line); ++lineNo) {
        const auto colon = line.find(':');
        if (line.empty() || line[0] == '#')
            continue;
        if (colon == std::string::npos || colon == 0 || colon > 6)
            fail(path + ":" + std::to_string(lineNo) + ": not a glyph line");
        unsigned long codepoint = 0;
        for (std::size_t i = 0; i < colon; ++i) {
            const int d = hexDigit(line[i]);
            if (d < 0)
                fail(path + ":" + std::to_string(lineNo) + ": bad code point");
            codepoint = codepoint * 16 + unsigned(d);
        }
        const std::string hex = line.substr(colon + 1, line.find_last_not_of("\r") - colon);
        if (hex.empty() || hex.size() % 32 != 0) // 16 rows of whole bytes
            fail(path + ":" + std::to_string(lineNo) + ": bad glyph bits");
        if (codepoint > 0xFFFF || (hex.size() != 32 && hex.size() != 64))
            continue;
        Glyph& glyph = glyphs[codepoint];
        glyph.width = hex.size() == 32 ? 8 : 16;
        for (std::size_t i = 0; i < hex.size() / 2; ++i) {
            const int hi = hexDigit(hex[2 * i]), lo = hexDigit(hex[2 * i + 1]);
            if (hi < 0 || lo < 0)
                fail(path + ":" + std::to_string(lineNo) + ": bad glyph bits");
            glyph.rows[i] = static_cast<std::uint8_t>(hi << 4 | lo);
        }
    }
    return glyphs;
}

std::vector<std::uint8_t> englishFont(const std::vector<Glyph>& glyphs)
{
    std::vector<std::uint8_t> font(256 * 16, 0);
    for (unsigned code = 0x20; code <= 0x7E; ++code) {
        if (glyphs[code].width == 8)
            std::copy_n(glyphs[code].rows.begin(), 16, font.begin() + code * 16);
    }
    return font;
}

// The cells follow the GBK table's order of double-byte codes.
std::vector<std::uint8_t> chineseFont(const std::vector<Glyph>& glyphs)
{
    std::vector<std::uint8_t> font(zl::gbk::kDoubleCodes * 32, 0);
    for (std::size_t code = 0; code < zl::gbk::kDoubleCodes; ++code) {
        const char16_t codepoint = zl::gbk::kDoubleToUnicode[code];
        if (codepoint == 0)
            continue; // a code without a character
        const Glyph& glyph = glyphs[codepoint];
        std::uint8_t* cell = font.data() + code * 32;
        if (glyph.width == 16) {
            std::copy_n(glyph.rows.begin(), 32, cell);
        } else if (glyph.width == 8) {
            for (unsigned row = 0; row < 16; ++row)
                cell[2 * row] = glyph.rows[row];
        }
    }
    return font;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        fail("usage: zl410-gen-fonts <unifont.hex> <output folder>");
    const std::vector<Glyph> glyphs = readUnifont(argv[1]);
    zl::gen::writeFile(argv[2], "Zentu_EN.dat", englishFont(glyphs));
    zl::gen::writeFile(argv[2], "Zentu_CH.dat", chineseFont(glyphs));
    return 0;
}
