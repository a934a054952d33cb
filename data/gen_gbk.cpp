// Writes GbkTable.cpp, the GBK tables of the core (declared in src/base/GbkTable.h), from this machine's
// iconv: what iconv makes of every one- and two-byte GBK input and of every Unicode character. It refuses
// to write tables that would convert any code differently from iconv: a code outside the tables' shape,
// a character beyond the 16-bit plane, ASCII that is not itself, or a character whose code iconv reads
// back as another character.
//
//   zl410-gen-gbk <output folder>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <optional>
#include <string>
#include <vector>

#include "GenOutput.h"
#include "base/GbkTable.h"

namespace
{

using zl::gen::fail;
namespace gbk = zl::gbk;

class Iconv
{
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            fail(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // The whole of `in` converted; nullopt when iconv refuses any of it.
    std::optional<std::string> operator()(const std::string& in) const
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // the initial state, also after a failure
        char out[16];
        char* src = const_cast<char*>(in.data());
        char* dst = out;
        std::size_t srcLeft = in.size(), dstLeft = sizeof out;
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0)
            return std::nullopt;
        return std::string(out, dst);
    }

private:
    iconv_t m_cd;
};

std::string hex(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string utf32le(char32_t c)
{
    return {char(c & 0xFF), char(c >> 8 & 0xFF), char(c >> 16 & 0xFF), char(c >> 24)};
}

// The characters of UTF-32LE text.
std::u32string characters(const std::string& utf32)
{
    std::u32string out;
    for (std::size_t i = 0; i + 4 <= utf32.size(); i += 4)
        out += char32_t(std::uint8_t(utf32[i])) | char32_t(std::uint8_t(utf32[i + 1])) << 8 |
               char32_t(std::uint8_t(utf32[i + 2])) << 16 | char32_t(std::uint8_t(utf32[i + 3])) << 24;
    return out;
}

struct Tables {
    std::vector<std::uint16_t> doubleToUnicode = std::vector<std::uint16_t>(gbk::kDoubleCodes);
    std::vector<std::uint16_t> highByteToUnicode = std::vector<std::uint16_t>(0x80);
    std::vector<std::uint16_t> unicodeToGbk = std::vector<std::uint16_t>(0x10000);
};

void checkCharacter(char32_t c, const std::string& code)
{
    if (c == 0 || c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF))
        fail("iconv reads GBK " + code + " as U+" + hex(c) + ", which the tables cannot hold");
}

void readGbk(Tables& tables)
{
    const Iconv decode("UTF-32LE", "GBK");
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const auto got = decode(std::string(1, char(byte)));
        const std::u32string text = got ? characters(*got) : std::u32string();
        if (byte < 0x80 && text != std::u32string(1, char32_t(byte)))
            fail("iconv does not read the ASCII byte " + hex(byte) + " as itself");
        if (byte >= 0x80 && got) {
            checkCharacter(text.size() == 1 ? text[0] : 0, hex(byte));
            tables.highByteToUnicode[byte - 0x80] = std::uint16_t(text[0]);
        }
    }
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        for (unsigned trail = 0; trail < 0x100; ++trail) {
            const auto got = decode(std::string{char(lead), char(trail)});
            const std::u32string text = got ? characters(*got) : std::u32string();
            if (text.size() != 1)
                continue; // not one double-byte character
            const char16_t c = text[0];
            if (lead < gbk::kFirstLead || lead > gbk::kLastLead || trail < gbk::kFirstTrail ||
                trail > gbk::kLastTrail)
                fail("iconv reads GBK " + hex(lead << 8 | trail) + ", outside the double-byte area");
            checkCharacter(c, hex(lead << 8 | trail));
            tables.doubleToUnicode[(lead - gbk::kFirstLead) * gbk::kTrails + (trail - gbk::kFirstTrail)] = c;
        }
    }
}

void readUnicode(Tables& tables)
{
    const Iconv encode("GBK", "UTF-32LE");
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const auto got = encode(utf32le(c));
        if (c < 0x80) {
            if (got != std::string(1, char(c)))
                fail("iconv does not write U+" + hex(c) + " as its ASCII byte");
            continue;
        }
        // iconv drops the tag characters U+E0000 ... U+E007F (writes nothing for them); here they have
        // no code, so a text holding one is refused instead of losing it unseen.
        if (!got || (got->empty() && c >= 0xE0000 && c <= 0xE007F))
            continue;
        if (c > 0xFFFF || got->empty() || got->size() > 2)
            fail("iconv writes U+" + hex(c) + " as a code the tables cannot hold");
        const unsigned code = got->size() == 1
                                  ? std::uint8_t((*got)[0])
                                  : unsigned(std::uint8_t((*got)[0])) << 8 | std::uint8_t((*got)[1]);
        // Reading the code back must give the character again, or a file would not read as it was written.
        const unsigned lead = code >> 8, trail = code & 0xFF;
        const bool inShape = code < 0x100 ? code >= 0x80
                                          : lead >= gbk::kFirstLead && lead <= gbk::kLastLead &&
                                                trail >= gbk::kFirstTrail && trail <= gbk::kLastTrail;
        const unsigned back =
            !inShape ? 0
            : code < 0x100
                ? tables.highByteToUnicode[code - 0x80]
                : tables
                      .doubleToUnicode[(lead - gbk::kFirstLead) * gbk::kTrails + (trail - gbk::kFirstTrail)];
        if (back != c)
            fail("iconv writes U+" + hex(c) + " as GBK " + hex(code) + ", which it reads as U+" + hex(back));
        tables.unicodeToGbk[c] = std::uint16_t(code);
    }
}

std::string array(const char* name, const std::vector<std::uint16_t>& values)
{
    std::string text =
        "const std::uint16_t " + std::string(name) + "[" + std::to_string(values.size()) + "] = {";
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += i % 16 == 0 ? "\n    " : " ";
        text += "0x" + hex(values[i]) + ",";
    }
    return text + "\n};\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: zl410-gen-gbk <output folder>");
    Tables tables;
    readGbk(tables);
    readUnicode(tables);
    std::string source = "// Made by zl410-gen-gbk from the build machine's iconv; do not edit.\n"
                         "#include \"base/GbkTable.h\"\n\nnamespace zl::gbk\n{\n\n";
    source += array("kDoubleToUnicode", tables.doubleToUnicode) + "\n";
    source += array("kHighByteToUnicode", tables.highByteToUnicode) + "\n";
    source += array("kUnicodeToGbk", tables.unicodeToGbk) + "\n} // namespace zl::gbk\n";
    zl::gen::writeFile(argv[1], "GbkTable.cpp", std::vector<std::uint8_t>(source.begin(), source.end()));
    return 0;
}
