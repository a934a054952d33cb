#include "import/COldProtocolRules.h"

#include <algorithm>
#include <utility>

#include "plc/CProtocolDescriptor.h"

namespace zl {

std::uint8_t ProtocolFromOldCode(std::uint8_t oldCode)
{
    // Codes from 14 on were already the new numbers.
    for (unsigned protocol = 1; protocol <= kProtocolCount && oldCode < 14; ++protocol) {
        const auto& codes = protocolDescriptor(protocol).oldCodes;
        if (std::find(codes.begin(), codes.end(), oldCode) != codes.end())
            return static_cast<std::uint8_t>(protocol);
    }
    return oldCode;
}

std::uint8_t KeyFromOldCode(std::uint8_t oldKey)
{
    static constexpr std::pair<std::uint8_t, std::uint8_t> kMoved[] = {{1, 7}, {2, 4}, {4, 2},  {5, 1},
                                                                       {6, 5}, {7, 6}, {8, 19}, {9, 18}};
    for (const auto& [from, to] : kMoved) {
        if (oldKey == from)
            return to;
    }
    if (oldKey >= 10 && oldKey <= 19)
        return static_cast<std::uint8_t>(oldKey - 2);
    return oldKey;
}

std::uint8_t StatusFromOldByte(std::uint8_t oldStatus)
{
    if ((oldStatus >> 4) == 2)
        return static_cast<std::uint8_t>((oldStatus & 0x0F) + 4);
    return oldStatus;
}

std::uint8_t COldProtocolRules::Baud(std::uint8_t oldCode) const
{
    if (m_byteAddressed)
        return (oldCode == 5 || oldCode == 6) ? static_cast<std::uint8_t>(oldCode - 5) : 5;
    switch (oldCode) {
    case 2:
        return 0;
    case 3:
        return 1;
    case 4:
        return 2;
    case 5:
        return 3;
    case 6:
        return 4;
    case 8:
        return 5;
    default:
        return oldCode;
    }
}

std::uint8_t COldProtocolRules::Station(std::uint8_t oldStation) const
{
    return m_byteAddressed ? 2 : oldStation;
}

std::uint8_t COldProtocolRules::RegisterType(std::uint8_t oldType) const
{
    return m_byteAddressed ? static_cast<std::uint8_t>(oldType - 1) : oldType;
}

std::uint16_t COldProtocolRules::WordAddress(std::uint32_t oldAddress) const
{
    if (m_byteAddressed)
        return static_cast<std::uint16_t>(oldAddress / 8);
    if (protocolDescriptor(m_protocol).octal) {
        // The old tool kept octal addresses as octal digits written in decimal.
        std::uint32_t octal = 0;
        std::uint32_t weight = 1;
        for (int digit = 0; digit < 5; ++digit, oldAddress /= 10, weight *= 8)
            octal += (oldAddress % 10) * weight;
        return static_cast<std::uint16_t>(octal);
    }
    return static_cast<std::uint16_t>(oldAddress);
}

bool COldProtocolRules::bitsInWords() const
{
    return protocolDescriptor(m_protocol).oldBitsInWords;
}

std::uint16_t COldProtocolRules::BitAddress(std::uint32_t oldAddress) const
{
    return bitsInWords() ? static_cast<std::uint16_t>(oldAddress / 16) : WordAddress(oldAddress);
}

std::uint8_t COldProtocolRules::BitNumber(std::uint32_t oldAddress) const
{
    if (m_byteAddressed)
        return static_cast<std::uint8_t>(oldAddress % 8);
    return bitsInWords() ? static_cast<std::uint8_t>(oldAddress % 16) : 0;
}

} // namespace zl
