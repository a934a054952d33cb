#pragma once
// What the register, the bar graph and the trend line share about the word register they show: the
// default largest value of a protocol, the repair of an inverted value range at compile time, the value
// range a page offers, and the named variable behind an operand of protocol 31.
#include <cstdint>

namespace zl {

class CBase;
struct CProtocolDescriptor;
struct CCompileContext;

// Bytes per unit of the first register type in the word register list of `protocol`.
unsigned firstWordUnitBytes(unsigned protocol);
// 2^(8 × bytes) − 1 as a 32-bit pattern (0xFFFFFFFF from 4 bytes on).
std::uint32_t largestValueOf(unsigned bytes);

// Makes max greater than min when it is not (compared signed or unsigned): max becomes min + 1, and a
// signed pair whose max would become 0 becomes −1, −2. Returns whether a value changed.
bool repairValueRange(std::uint32_t& max, std::uint32_t& min, bool isSigned);
// Repairs the pair; when it changed, raises the project's limit flag to `flag` and adds a line naming
// the component (its kind, position and operand) to the repaired list.
void repairLimits(CCompileContext& ctx, std::uint8_t flag, const CBase& component, std::uint32_t& max,
                  std::uint32_t& min);

// The value a 32-bit limit pattern stands for.
inline std::int64_t limitValue(std::uint32_t pattern, bool isSigned)
{
    return isSigned ? std::int64_t{static_cast<std::int32_t>(pattern)} : std::int64_t{pattern};
}

struct CValueRange {
    std::int64_t min = 0;
    std::int64_t max = 0;
    friend bool operator==(const CValueRange&, const CValueRange&) = default;
};
// What a value of `bits` bits may hold: max = 2^bits / (signed + 1) − 1, min = −(max + 1) × signed.
// The limits are 32-bit fields, so more than 32 bits count as 32.
CValueRange valueRangeOfBits(unsigned bits, bool isSigned);
// A limit after its component's sign changed: the number `pattern` stood for before (signed or not),
// brought to the nearer bound of `range`, as the 32-bit pattern of the new sign.
inline std::uint32_t resignedLimit(std::uint32_t pattern, bool wasSigned, const CValueRange& range)
{
    const std::int64_t value = limitValue(pattern, wasSigned);
    return static_cast<std::uint32_t>(value < range.min ? range.min : value > range.max ? range.max : value);
}
// Whether the type value is the protocol's double-word counter area, which takes values 200 … 255 only.
bool isCounterArea(const CProtocolDescriptor& protocol, std::uint8_t typeValue);
constexpr CValueRange kCounterAreaRange{200, 255};

// Under the protocol of named variables: the number (into the sub-address) and type value of the readable
// word variable that register type (group) and sub-type (position) name. Other protocols leave both
// unchanged.
void selectWordVariable(unsigned protocol, CBase& component, std::uint8_t& protocol31TypeValue);

} // namespace zl
