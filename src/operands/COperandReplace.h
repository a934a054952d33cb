#pragma once
// The bulk replace of operands: every use of a type and address range moves to another type and start,
// keeping its distance from the range's start. A plan lists every change and every refusal first; it is
// applied only when nothing is refused, so a project is changed whole or not at all.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Result.h"
#include "operands/COperandIndex.h"

namespace zl
{

struct COperandRange {
    std::string typeName;
    std::uint16_t first = 0;
    std::uint16_t last = 0;
};

// Reads "D100-D199", "D100-199" or "D100" (and "N7:100" where the protocol writes type:address) in the
// notation the pages use: the protocol's type names, addresses in its base.
Result<COperandRange> parseOperandRange(const CProtocolTables& tables, const std::string& text);

struct COperandChange {
    std::size_t use = 0; // position in the plan's index
    std::string from;    // "D100"
    std::string to;      // "D300"
    std::uint8_t registerType = 0; // the new type's index in the field's list
    std::uint16_t address = 0;
};

struct CReplacePlan {
    COperandIndex index;
    std::vector<COperandChange> changes;
    std::vector<std::string> refusals; // where and why, one line each
};

// What moving `from` to `to` (only its type name and first address count) would change and refuse.
CReplacePlan planReplace(const CProject& project, const COperandRange& from, const COperandRange& to);

// Applies the changes of a plan made for this project; refused when the plan has refusals, changing
// nothing then.
Status applyReplace(CProject& project, const CReplacePlan& plan);

} // namespace zl
