#pragma once
// Images and drivers for download tests. Their first two bytes already look like the valid mark, so a
// test sees that only the transfer's last frame may make the panel's image valid.
#include <cstddef>
#include <cstdint>

#include "base/Bytes.h"

namespace zl::test
{

inline Bytes withValidMark(Bytes image)
{
    if (image.size() >= 2) {
        image[0] = 0x5A;
        image[1] = 0xA5;
    }
    return image;
}

inline Bytes pattern(std::size_t n, std::uint8_t seed)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return withValidMark(b);
}

} // namespace zl::test
