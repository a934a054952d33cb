#pragma once
// What the components share while a project is compiled into the panel's image: the protocol's operand
// tables, the project-wide limit and write flags, and the buffers the components add characters,
// symbols and picture data to.
#include <cstdint>
#include <string>
#include <vector>

#include "plc/CProtocolTables.h"
#include "base/Bytes.h"

namespace zl {

struct CCompileContext {
    explicit CCompileContext(const CProtocolTables& t) : tables(t) {}

    unsigned protocol() const { return tables.protocol; }

    const CProtocolTables& tables;
    // Set by a register (1) or bar graph / trend line (3) whose limits had to be repaired.
    std::uint8_t limitFlag = 0;
    // Set when a function key or register is password protected.
    std::uint8_t writeFlag = 0;
    // One line per component whose limits were repaired, for messages.
    std::vector<std::string> repaired;

    // The first text byte the panel would misread, described ("the byte 0x80 at byte 3 of its text");
    // empty while every text is whole. The compile refuses such a text rather than send half a character.
    std::string unshowable;

    std::vector<std::string> doubleByteChars; // two-byte GBK characters, in order of first use
    Bytes singleByteChars;                    // single-byte characters, in order of first use
    Bytes symbolCodes;                        // function-key symbols, in order of first use
    Bytes pictureData;                        // panel pages of the pictures, in order
};

} // namespace zl
