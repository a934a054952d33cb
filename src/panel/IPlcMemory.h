#pragma once
// What the panel reads from and writes to its PLC. CPlcMemory simulates a PLC in memory; another
// implementation may stand for a real one reached over a link, which fetches what the panel says it shows
// and may be unable to answer for a while.
#include <cstdint>
#include <string>
#include <vector>

#include "image/CDecodedImage.h"

namespace zl
{

class IPlcMemory
{
public:
    virtual ~IPlcMemory() = default;

    // The operand's value: its units put together (the lowest address holding the lowest unit), at most
    // 32 bits; a bit device gives 0 or 1.
    virtual std::uint32_t Read(const CImageOperand& operand) const = 0;
    virtual void Write(const CImageOperand& operand, std::uint32_t value) = 0;
    // One bit: a bit device's own bit, else bit `bit` of the operand's value.
    virtual bool ReadBit(const CImageOperand& operand, unsigned bit) const = 0;
    virtual void WriteBit(const CImageOperand& operand, unsigned bit, bool on) = 0;

    // The operands the panel reads now (the window shown and the alarm coils); a memory behind a link
    // keeps these fresh. The simulated memory has everything at hand and ignores it.
    virtual void Watch(const std::vector<CImageOperand>& operands) { (void)operands; }
    // Why the values cannot be trusted just now (the PLC does not answer, …), or "" while they can.
    virtual std::string Fault() const { return {}; }
};

} // namespace zl
