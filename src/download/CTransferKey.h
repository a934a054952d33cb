#pragma once
// The per-download scrambling of write frames. The tool draws 16 key bytes and sends them in the key
// frame; both sides derive from them an address offset D and a data key K, and every write frame carries
// its address and data scrambled with them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "base/Bytes.h"

namespace zl
{

struct CTransferKey {
    std::array<std::uint8_t, 16> r{};

    // Draws key bytes from `nextByte` until both D and K are nonzero.
    static CTransferKey draw(const std::function<std::uint8_t()>& nextByte);
    // Key bytes from the system's random source.
    static CTransferKey drawRandom();

    std::uint16_t addressOffset() const; // D
    std::uint8_t dataKey() const;        // K

    std::uint16_t scrambleAddress(std::uint16_t address) const;
    std::uint16_t unscrambleAddress(std::uint16_t wire) const;
    // A data byte travelling at `frameOffset` of its write frame.
    std::uint8_t scrambleData(std::uint8_t byte, std::size_t frameOffset) const;
    std::uint8_t unscrambleData(std::uint8_t wire, std::size_t frameOffset) const;
};

Bytes keyFrame(const CTransferKey& key);
// A write frame for `n` (at most 128) bytes at panel `address`.
Bytes writeFrame(const CTransferKey& key, std::uint16_t address, const std::uint8_t* data, std::size_t n);

} // namespace zl
