#pragma once
// The component records of old (.olz) projects and the project-file bodies they become.
#include <cstddef>
#include <cstdint>
#include <span>

#include "import/COldRecord.h"

namespace zl {

class CArchive;
class COldProtocolRules;

struct COldComponentKind {
    std::uint8_t oldType;  // b[10] of the old record
    const char* className; // the class it becomes
    std::uint8_t typeCode; // and that class's type code
    std::size_t fixedSize; // bytes to read before the record's own length is known
    std::uint64_t (*recordSize)(const COldRecord& fixedPart);
    // The class's fields after the common part (type code, x, y).
    void (*writeFields)(const COldRecord& record, const COldProtocolRules& rules, CArchive& ar);
};

// Every kind, in the order in which a window writes its components: static texts, registers, LEDs,
// function keys, bar graphs, trend lines, pictures, dynamic texts.
std::span<const COldComponentKind> OldComponentKinds();
// The kind of old type `oldType`, or nullptr.
const COldComponentKind* FindOldComponentKind(std::uint8_t oldType);

// Offset of the type byte in every old component record.
constexpr std::size_t kOldTypeOffset = 10;

} // namespace zl
