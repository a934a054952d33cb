#pragma once
// Byte buffers and fixed-width helpers shared by the whole core.
#include <cstdint>
#include <string>
#include <vector>

namespace zl {

using Bytes = std::vector<std::uint8_t>;

// Big-endian 16-bit value, as download records, the image and serial frames store them.
inline void putBe16(std::uint8_t* at, unsigned value)
{
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

inline unsigned getBe16(const std::uint8_t* at) { return (unsigned(at[0]) << 8) | at[1]; }

inline void putBe32(std::uint8_t* at, std::uint32_t value)
{
    putBe16(at, value >> 16);
    putBe16(at + 2, value);
}

inline std::string bytesToString(const Bytes& b) { return std::string(b.begin(), b.end()); }
inline Bytes stringToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

} // namespace zl
