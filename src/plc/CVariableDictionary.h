#pragma once
// Named variables of protocol 31: the controller names its data by variable ("PBand1", "SensorType", …)
// in groups ("RC", "KV", "AI", …). For each group and list kind this gives the variables a user may pick,
// the number by which the panel names a variable and its type value (its size).
#include <cstdint>
#include <string>
#include <vector>

namespace zl {

// List kinds: 1 readable words, 2 writable bits, 3 readable bits, 4 writable words.
enum CVariableKind : int { kReadWords = 1, kWriteBits = 2, kReadBits = 3, kWriteWords = 4 };

// The address an LED, a dynamic text, a bar graph or a trend line starts with: group 1, variable 1.
constexpr std::uint16_t kDefaultVariableAddress = 0x0101;

namespace CVariableDictionary {

// Groups offered for a kind: seven for the word kinds, six ("KV" has no bits) for the bit kinds.
const std::vector<std::string>& groups(int kind);
// Variables of the group at `groupIndex` for a kind; empty for an index past the end.
const std::vector<std::string>& variables(unsigned groupIndex, int kind);
// Number and type value of the variable at (group, position) for a kind; 0 for positions past the end
// of a list and for names the group does not define.
std::uint8_t variableNumber(unsigned groupIndex, unsigned position, int kind);
std::uint8_t typeValue(unsigned groupIndex, unsigned position, int kind);
// High byte of a function key's protocol-31 address: 1 "RC", 2 "KV", … 7 "DU"; 0 for an unknown group.
std::uint8_t groupCode(const std::string& group);

} // namespace CVariableDictionary
} // namespace zl
