#pragma once
// How the settings of an old (.olz) project become the settings of a project under the new protocol
// numbering: the protocol itself, the line settings, and the operand conventions (stations, register
// types, addresses and bit numbers) that differ between the two generations of panels.
#include <cstdint>

namespace zl {

// Protocol number that an old protocol code becomes.
std::uint8_t ProtocolFromOldCode(std::uint8_t oldCode);
// Function key (0 … 19) that an old key code becomes.
std::uint8_t KeyFromOldCode(std::uint8_t oldKey);
// Status flags from the old status byte: a high nibble of 2 moves the flags up past the RTC bit.
std::uint8_t StatusFromOldByte(std::uint8_t oldStatus);

// The operand rules of one converted protocol.
class COldProtocolRules {
public:
    // Protocol 2's old files differ in a way of their own: byte addresses, another baud list, station and
    // register type numbering; the rules below convert them.
    explicit COldProtocolRules(std::uint8_t protocol) : m_protocol(protocol), m_byteAddressed(protocol == 2)
    {
    }

    std::uint8_t protocol() const { return m_protocol; }
    bool byteAddressed() const { return m_byteAddressed; }
    // Index into the protocol's baud rate list for an old baud code.
    std::uint8_t Baud(std::uint8_t oldCode) const;
    // Station: protocol 2 always talks to station 2.
    std::uint8_t Station(std::uint8_t oldStation) const;
    // Register type: protocol 2's old lists started one entry earlier.
    std::uint8_t RegisterType(std::uint8_t oldType) const;
    // Word address of a register operand.
    std::uint16_t WordAddress(std::uint32_t oldAddress) const;
    // Address of a bit operand: protocols that number bits inside 16-bit words keep the word here ...
    std::uint16_t BitAddress(std::uint32_t oldAddress) const;
    // ... and the bit number there (the sub-address).
    std::uint8_t BitNumber(std::uint32_t oldAddress) const;

private:
    bool bitsInWords() const;

    std::uint8_t m_protocol;
    bool m_byteAddressed;
};

} // namespace zl
