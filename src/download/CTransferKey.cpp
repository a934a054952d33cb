#include "download/CTransferKey.h"

#include <random>

#include "download/SerialFrames.h"

namespace zl
{
namespace
{

// Bit i of the offset address travels as bit kBitTarget[i].
constexpr std::array<int, 16> kBitTarget{5, 15, 10, 0, 7, 14, 8, 12, 3, 11, 1, 13, 6, 4, 9, 2};

} // namespace

CTransferKey CTransferKey::draw(const std::function<std::uint8_t()>& nextByte)
{
    CTransferKey key;
    do {
        for (auto& b : key.r)
            b = nextByte();
    } while (key.addressOffset() == 0 || key.dataKey() == 0);
    return key;
}

CTransferKey CTransferKey::drawRandom()
{
    std::random_device device;
    std::mt19937 generator(device());
    return draw([&] { return static_cast<std::uint8_t>(generator()); });
}

std::uint16_t CTransferKey::addressOffset() const
{
    return static_cast<std::uint16_t>(r[6] * r[4] + 256 * r[3] - r[5] + 6519);
}

std::uint8_t CTransferKey::dataKey() const
{
    return static_cast<std::uint8_t>((r[9] | r[11]) - (r[10] & r[11]) + r[8] + 41);
}

std::uint16_t CTransferKey::scrambleAddress(std::uint16_t address) const
{
    const unsigned d = static_cast<std::uint16_t>(address - addressOffset());
    unsigned wire = 0;
    for (int i = 0; i < 16; ++i)
        wire |= ((d >> i) & 1u) << kBitTarget[i];
    return static_cast<std::uint16_t>(wire);
}

std::uint16_t CTransferKey::unscrambleAddress(std::uint16_t wire) const
{
    unsigned d = 0;
    for (int i = 0; i < 16; ++i)
        d |= ((unsigned(wire) >> kBitTarget[i]) & 1u) << i;
    return static_cast<std::uint16_t>(d + addressOffset());
}

std::uint8_t CTransferKey::scrambleData(std::uint8_t byte, std::size_t frameOffset) const
{
    return static_cast<std::uint8_t>(byte - frameOffset - dataKey());
}

std::uint8_t CTransferKey::unscrambleData(std::uint8_t wire, std::size_t frameOffset) const
{
    return static_cast<std::uint8_t>(wire + frameOffset + dataKey());
}

Bytes keyFrame(const CTransferKey& key)
{
    return makeFrame(command::kKey, Bytes(key.r.begin(), key.r.end()));
}

Bytes writeFrame(const CTransferKey& key, std::uint16_t address, const std::uint8_t* data, std::size_t n)
{
    Bytes payload(2 + n);
    putBe16(payload.data(), key.scrambleAddress(address));
    for (std::size_t i = 0; i < n; ++i)
        payload[2 + i] = key.scrambleData(data[i], kWriteDataOffset + i);
    return makeFrame(command::kWrite, payload);
}

} // namespace zl
