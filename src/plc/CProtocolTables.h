#pragma once
// The operand tables of the current protocol (register type lists, station and address limits, entry
// flags), built from its descriptor, and the type values of register type names.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "plc/CProtocolDescriptor.h"

namespace zl
{

// English name of protocol n (what the user sees); "" outside 1…34.
const char* protocolName(unsigned protocol);
// The catalogue's Chinese name (UTF-8); "" outside 1…34.
const char* protocolChineseName(unsigned protocol);
// What a list shows for a catalogue entry: the English name, or "Unknown protocol N" for a number that
// names no protocol.
std::string protocolDisplayName(unsigned protocol);

// Choices offered for the line settings; the settings hold indexes into these lists.
const std::vector<std::string>& baudList(unsigned protocol);
const std::vector<std::string>& dataBitsList();  // "7", "8"
const std::vector<std::string>& stopBitsList();  // "1", "2"
const std::vector<std::string>& parityList();    // "NONE", "ODD", "EVEN"
const std::vector<std::string>& interfaceList(); // "232", "485"

// Which register type list an operand uses.
enum CListKind : int { kWordList = 1, kBitList = 2, kThirdList = 3 };

// The operand set of the current protocol with the values the pages and the panel settings read.
struct CProtocolTables : COperandSet {
    unsigned protocol = 0;
    std::vector<std::string> formatList; // "Unsigned", "HEX", "Signed"
    bool hexEntry = false;
    bool octal = false;
    std::uint8_t baudOffset = 0;
    std::uint8_t registerStep = 1;
    CShowFlags show;
    // The type value of each name in the word, bit and third lists, worked out once when the tables are
    // built: compiling asks for them operand by operand.
    std::vector<std::uint8_t> wordTypeValues, bitTypeValues, thirdTypeValues;

    const CProtocolDescriptor& descriptor() const { return protocolDescriptor(protocol); }

    // Rebuilds the tables for `protocol`. Station range and address maxima are kept from `previous` for a
    // number that has no row; protocol 21 takes its station range from the PLC station number.
    static CProtocolTables Build(unsigned protocol, const CProtocolTables& previous, std::uint8_t plcStation);

    // The list of a kind: 1 word register list, 2 bit list, any other the third list.
    const std::vector<std::string>& list(int kind) const;
    // The name at `index` in the list of `kind`; an index past the end takes the last name; "" for an
    // empty list.
    const std::string& registerTypeName(unsigned index, int kind) const;
    // One-byte type value of the operand: low four bits the bytes per register unit.
    std::uint8_t typeValue(unsigned index, int kind) const;
};

// Type value of a register type name under a protocol, for list kind `kind`.
std::uint8_t typeValueOf(const std::string& name, unsigned protocol, int kind);

} // namespace zl
