#include "base/Gbk.h"

#include "base/GbkTable.h"

namespace zl
{
namespace
{

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Appends the GBK code of `c`; false when it has none.
bool appendGbk(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    const unsigned code = c <= 0xFFFF ? gbk::kUnicodeToGbk[c] : 0;
    if (code <= 0xFF) // none, or a one-byte code above ASCII that the panel would take for a lead byte
        return false;
    if (code > 0xFF)
        out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return true;
}

// The character that starts at text[i] in well-formed UTF-8, advancing i past it; nullopt when the text
// is malformed there (overlong forms, surrogates, past U+10FFFF, cut short).
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(text[at]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length;
    char32_t c;
    std::uint8_t low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < length || byte(i + 1) < low || byte(i + 1) > high)
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    for (std::size_t i = 0; i < gbk.size();) {
        const auto b = static_cast<std::uint8_t>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const char16_t pair =
            i + 1 < gbk.size() ? gbk::unicodeOf(b, static_cast<std::uint8_t>(gbk[i + 1])) : 0;
        if (pair) {
            appendUtf8(out, pair);
            i += 2;
        } else {
            const char16_t single = gbk::kHighByteToUnicode[b - 0x80];
            appendUtf8(out, single ? single : kReplacement);
            ++i;
        }
    }
    return out;
}

std::optional<std::string> utf8ToGbk(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = nextUtf8(utf8, i);
        if (!c || !appendGbk(out, *c))
            return std::nullopt;
    }
    return out;
}

std::string utf16leToGbk(std::string_view utf16le)
{
    std::string out;
    out.reserve(utf16le.size() / 2 + 1);
    for (std::size_t i = 0; i < utf16le.size(); i += 2) {
        if (i + 1 == utf16le.size()) {
            out += '?';
            break;
        }
        const char32_t unit =
            static_cast<std::uint8_t>(utf16le[i]) | static_cast<std::uint8_t>(utf16le[i + 1]) << 8;
        // A surrogate stands for a character beyond the 16-bit plane, which has no code.
        if ((unit >= 0xD800 && unit <= 0xDFFF) || !appendGbk(out, unit))
            out += '?';
    }
    return out;
}

std::optional<std::size_t> firstUnshowableByte(std::string_view gbk)
{
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<std::uint8_t>(gbk[i]);
        if (lead < 0x80)
            continue;
        if (lead == 0x80 || lead == 0xFF || i + 1 == gbk.size())
            return i;
        const auto trail = static_cast<std::uint8_t>(gbk[i + 1]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return i;
        ++i;
    }
    return std::nullopt;
}

} // namespace zl
