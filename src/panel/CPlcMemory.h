#pragma once
// The simulated PLC behind the panel: coils and registers by station, type value, address and
// sub-address, in memory. A bit device (type value's low four bits 0) holds one bit per address; a word device one
// register unit of (type value & 0x0F) bytes per address, and an operand of several units reads them
// from consecutive addresses, the lowest address holding the lowest unit. Everything starts at 0.
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "image/CDecodedImage.h"
#include "panel/IPlcMemory.h"

namespace zl
{

struct CPlcCell {
    std::uint8_t station = 0;
    std::uint8_t typeValue = 0;
    std::uint16_t address = 0;
    std::uint8_t subAddress = 0;
    auto key() const { return std::tie(station, typeValue, address, subAddress); }
    bool operator<(const CPlcCell& o) const { return key() < o.key(); }
    bool operator==(const CPlcCell& o) const { return key() == o.key(); }
};

class CPlcMemory : public IPlcMemory
{
public:
    std::uint32_t Read(const CImageOperand& operand) const override;
    void Write(const CImageOperand& operand, std::uint32_t value) override;
    bool ReadBit(const CImageOperand& operand, unsigned bit) const override;
    void WriteBit(const CImageOperand& operand, unsigned bit, bool on) override;

    // One unit (or coil) as stored.
    std::uint32_t Cell(const CPlcCell& cell) const;
    void SetCell(const CPlcCell& cell, std::uint32_t value);

    // Bytes of one unit of a type value, at most 4 (0: a bit device).
    static unsigned UnitBytes(std::uint8_t typeValue);
    // Units the operand spans (at least 1).
    static unsigned Units(const CImageOperand& operand);

private:
    std::map<CPlcCell, std::uint32_t> m_cells;
};

} // namespace zl
