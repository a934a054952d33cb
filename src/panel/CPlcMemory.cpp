#include "panel/CPlcMemory.h"

#include <algorithm>

namespace zl
{
namespace
{

std::uint32_t unitMask(unsigned bytes)
{
    return bytes >= 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1;
}

CPlcCell cellOf(const CImageOperand& o, unsigned unit)
{
    return {o.station, o.typeValue, static_cast<std::uint16_t>(o.address + unit), o.subAddress};
}

} // namespace

unsigned CPlcMemory::UnitBytes(std::uint8_t typeValue)
{
    return std::min(typeValue & 0x0Fu, 4u);
}

unsigned CPlcMemory::Units(const CImageOperand& operand)
{
    const unsigned bytes = UnitBytes(operand.typeValue);
    if (bytes == 0)
        return 1;
    // Only what fits in 32 bits.
    return std::clamp(operand.length / bytes, 1u, 4u / bytes);
}

std::uint32_t CPlcMemory::Cell(const CPlcCell& cell) const
{
    const auto found = m_cells.find(cell);
    return found == m_cells.end() ? 0 : found->second;
}

void CPlcMemory::SetCell(const CPlcCell& cell, std::uint32_t value)
{
    const unsigned bytes = UnitBytes(cell.typeValue);
    m_cells[cell] = bytes == 0 ? (value ? 1 : 0) : value & unitMask(bytes);
}

std::uint32_t CPlcMemory::Read(const CImageOperand& operand) const
{
    const unsigned bytes = UnitBytes(operand.typeValue);
    if (bytes == 0)
        return Cell(cellOf(operand, 0));
    std::uint32_t value = 0;
    for (unsigned u = Units(operand); u-- > 0;)
        value = (bytes >= 4 ? 0 : value << (8 * bytes)) | Cell(cellOf(operand, u));
    return value;
}

void CPlcMemory::Write(const CImageOperand& operand, std::uint32_t value)
{
    const unsigned bytes = UnitBytes(operand.typeValue);
    if (bytes == 0) {
        SetCell(cellOf(operand, 0), value);
        return;
    }
    for (unsigned u = 0; u < Units(operand); ++u) {
        SetCell(cellOf(operand, u), value);
        value = bytes >= 4 ? 0 : value >> (8 * bytes);
    }
}

bool CPlcMemory::ReadBit(const CImageOperand& operand, unsigned bit) const
{
    if (UnitBytes(operand.typeValue) == 0)
        return Read(operand) != 0;
    return bit < 32 && ((Read(operand) >> bit) & 1);
}

void CPlcMemory::WriteBit(const CImageOperand& operand, unsigned bit, bool on)
{
    if (UnitBytes(operand.typeValue) == 0) {
        Write(operand, on ? 1 : 0);
        return;
    }
    if (bit >= 32)
        return;
    const std::uint32_t value = Read(operand);
    Write(operand, on ? value | (1u << bit) : value & ~(1u << bit));
}

} // namespace zl
