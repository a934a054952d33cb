#pragma once
// The PLC operands a running image reads and writes, named with the protocol's own register type names
// ("D100", "4x12", "M5"), and operand texts of that form turned back into them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "panel/CPanel.h"

namespace zl
{

struct CPanelOperand {
    CImageOperand operand;
    bool isBit = false; // a coil (or one bit of a word: `bit`)
    unsigned bit = 0;
    std::string name; // "D100"; "$82:100" for a type value no register type name of the protocol has
};

// Every operand of the image, once each, in the order of first use: windows and their components, then
// the alarm bits.
std::vector<CPanelOperand> imageOperands(const CPanel& panel);

// "NAME ADDRESS" for the type value under `protocol`, preferring names of list kind `kind`.
std::string operandName(std::uint8_t typeValue, std::uint16_t address, unsigned protocol, int kind);

// "OPERAND=VALUE" (VALUE decimal, negative, or 0x hexadecimal) written into the panel's PLC: into every
// operand of the image the name and address denote, at any station; an address inside a longer operand
// sets that one unit. Fails when the text is not of that form or names nothing the image uses.
Status setOperand(CPanel& panel, const std::string& assignment);

// The current value of an operand as the table shows it.
std::uint32_t operandValue(const CPanel& panel, const CPanelOperand& o);
void setOperandValue(CPanel& panel, const CPanelOperand& o, std::uint32_t value);

} // namespace zl
