#include "components/RegisterOperand.h"

#include <algorithm>
#include <string>

#include "base/ComponentKind.h"
#include "plc/CProtocolTables.h"
#include "model/CBase.h"
#include "model/CCompileContext.h"
#include "plc/CVariableDictionary.h"

namespace zl {

unsigned firstWordUnitBytes(unsigned protocol)
{
    const COperandSet* operands = protocolDescriptor(protocol).operands;
    if (!operands || operands->wordList.empty())
        return 0;
    return typeValueOf(operands->wordList.front(), protocol, kWordList) & 0x0F;
}

std::uint32_t largestValueOf(unsigned bytes)
{
    return bytes >= 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * bytes)) - 1;
}

bool repairValueRange(std::uint32_t& max, std::uint32_t& min, bool isSigned)
{
    const bool inverted = isSigned ? static_cast<std::int32_t>(max) <= static_cast<std::int32_t>(min) : max <= min;
    if (!inverted)
        return false;
    const std::uint32_t oldMax = max;
    const std::uint32_t oldMin = min;
    max = min + 1; // wraps like the panel's 32-bit arithmetic
    if (isSigned && max == 0) {
        max = 0xFFFFFFFFu;
        min = 0xFFFFFFFEu;
    }
    return max != oldMax || min != oldMin;
}

void repairLimits(CCompileContext& ctx, std::uint8_t flag, const CBase& c, std::uint32_t& max,
                  std::uint32_t& min)
{
    if (!repairValueRange(max, min, c.isSigned != 0))
        return;
    ctx.limitFlag = flag;
    auto value = [&](std::uint32_t v) { return std::to_string(limitValue(v, c.isSigned != 0)); };
    ctx.repaired.push_back(std::string(componentKindName(c.typeCode)) + " at (" + std::to_string(c.x) + ", " +
                           std::to_string(c.y) + "), station " + std::to_string(c.station) + " address " +
                           std::to_string(c.address) + ": limits set to max " + value(max) + ", min " +
                           value(min));
}

CValueRange valueRangeOfBits(unsigned bits, bool isSigned)
{
    const std::int64_t max = (std::int64_t{1} << std::min(bits, 32u)) / (isSigned ? 2 : 1) - 1;
    return {isSigned ? -(max + 1) : 0, max};
}

bool isCounterArea(const CProtocolDescriptor& protocol, std::uint8_t typeValue)
{
    return protocol.counterAreaType != 0 && typeValue == protocol.counterAreaType;
}

void selectWordVariable(unsigned protocol, CBase& c, std::uint8_t& protocol31TypeValue)
{
    if (!protocolDescriptor(protocol).namedVariables)
        return;
    c.subAddress = CVariableDictionary::variableNumber(c.registerType, c.subType, kReadWords);
    protocol31TypeValue = CVariableDictionary::typeValue(c.registerType, c.subType, kReadWords);
}

} // namespace zl
