#pragma once
// The GBK tables. The build makes their definitions (GbkTable.cpp, by data/gen_gbk.cpp) from the build
// machine's C library, so conversion needs nothing from the system at run time and is the same on every
// platform.
#include <cstddef>
#include <cstdint>

namespace zl::gbk
{

// Double-byte codes: a lead byte 0x81 ... 0xFE, then a trail byte 0x40 ... 0xFE.
inline constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE, kFirstTrail = 0x40, kLastTrail = 0xFE;
inline constexpr std::size_t kTrails = kLastTrail - kFirstTrail + 1;
inline constexpr std::size_t kDoubleCodes = (kLastLead - kFirstLead + 1) * kTrails;

// The character of each double-byte code, at (lead - kFirstLead) * kTrails + trail - kFirstTrail; 0: none.
extern const std::uint16_t kDoubleToUnicode[kDoubleCodes];
// The character of each single byte 0x80 ... 0xFF, at byte - 0x80; 0: none. Bytes below 0x80 are ASCII.
extern const std::uint16_t kHighByteToUnicode[0x80];
// The code of each character of the 16-bit plane: a single byte when below 0x100, else lead << 8 | trail;
// 0: none. Characters below 0x80 are their own codes; nothing beyond the 16-bit plane has a code.
extern const std::uint16_t kUnicodeToGbk[0x10000];

// The character of a double-byte code; 0 when it has none.
inline char16_t unicodeOf(std::uint8_t lead, std::uint8_t trail)
{
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail)
        return 0;
    return kDoubleToUnicode[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

} // namespace zl::gbk
