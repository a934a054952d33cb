#pragma once
// Texts live in the model as GBK byte strings, as the project file and the panel store them.
// Conversion to and from Unicode happens only at the edges.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zl {

// GBK bytes to UTF-8; bytes without a mapping become U+FFFD.
std::string gbkToUtf8(std::string_view gbk);

// UTF-8 to GBK; nullopt when a character has no GBK code the panel can show — a two-byte code or ASCII
// ("€" has only a one-byte code above 0x7F, which the panel reads as half a character) — or the UTF-8
// is malformed.
std::optional<std::string> utf8ToGbk(std::string_view utf8);

// UTF-16LE code units to GBK, for the wide-text form of project files; unmappable units become '?'.
std::string utf16leToGbk(std::string_view utf16le);

// Where the panel would misread `gbk`: the offset of the first byte that is neither ASCII nor part of a
// whole two-byte code (lead byte 81 … FE, trail byte 40 … FE but 7F); none when every character is whole.
std::optional<std::size_t> firstUnshowableByte(std::string_view gbk);

// Length in bytes of the character that starts at text[i]: 2 for a GBK lead byte followed by a trail
// byte, else 1.
inline std::size_t gbkCharLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<std::uint8_t>(text[i]);
    return (lead >= 0x81 && lead <= 0xFE && i + 1 < text.size()) ? 2 : 1;
}

} // namespace zl
