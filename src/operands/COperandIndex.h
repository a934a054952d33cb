#pragma once
// Every PLC operand a project uses, where it stands and how the panel uses it: the cross-reference the
// operand list, the command line and the bulk replace all work from. Operands are named as the property
// pages show them: the protocol's type name, the address in the protocol's base, the sub-address or bit,
// and named variables under their group and name.
#include <cstdint>
#include <string>
#include <vector>

namespace zl
{

class CProject;
struct CProtocolTables;

// Where a use stands: a component's operand, or an operand of the project itself.
enum class COperandField : std::uint8_t {
    kOperand,      // the operand of a register, dynamic text, LED, bar graph or trend line
    kCoil,         // the coil a function key sets
    kRegister,     // the register a function key sets
    kAlarmCoil,    // the alarm list's initial coil
    kControlBlock, // a register of the panel settings' control block
};
const char* operandFieldName(COperandField field);

// Which register type list names the type of the operand.
enum class COperandList : std::uint8_t { kWord, kBit, kThird, kAlarm };
const std::vector<std::string>& operandTypeNames(const CProtocolTables& tables, COperandList list);

enum class CAccess : std::uint8_t { kRead = 1, kWrite = 2, kReadWrite = 3 };
const char* accessName(CAccess access);

struct COperandUse {
    // --- where; window and component positions are -1 for the project's own operands
    int windowPosition = -1;
    std::uint16_t windowNumber = 0;
    std::string windowName; // GBK
    int componentPosition = -1; // in the window's component list, the head being 0
    std::uint8_t componentType = 0;
    std::int32_t x = 0, y = 0;  // the component's panel position
    COperandField field = COperandField::kOperand;
    CAccess access = CAccess::kRead;
    int controlFlag = -1; // the control block's status flag (0 change window, 1 report window, 2 clock)

    // --- what, as the file holds it
    COperandList list = COperandList::kWord;
    std::uint8_t station = 0;
    std::uint8_t registerType = 0; // index into the type list; the group of a named variable
    std::uint8_t subType = 0;      // a named variable's position in its group
    std::uint16_t address = 0;
    std::uint8_t subAddress = 0;
    std::uint8_t wordCount = 1;
    std::uint8_t typeValue = 0; // as the panel receives it; two uses of one area share it
    bool isBit = false;
    bool named = false; // a named variable: `typeName` is its group, `text` group and name
    int format = -1;    // the register's display format, -1 where the component has none
    int isSigned = -1;  // -1 where the component has no sign

    // --- as the pages show it
    std::string typeName; // "D", "4x", "RC"
    std::string addressText;
    std::string subText;  // the sub-address or bit where the pages show one, else ""
    std::string text;     // "D100", "M10.3", "N7:12", "RC.PBand1"

    // Refusals of the protocol's tables (station, type, address, sub-address or word count out of range).
    std::vector<std::string> problems;
};

struct COperandConflict {
    std::string reason;
    std::vector<std::size_t> uses; // positions in COperandIndex::uses
};

struct COperandIndex {
    std::vector<COperandUse> uses; // windows in order, components from the head, then the project's own
    std::vector<COperandConflict> conflicts;
    // Whether the use at `position` takes part in a conflict or is refused by the tables.
    std::vector<bool> marked;
};

COperandIndex indexOperands(const CProject& project);

// Where the use stands, for messages: "window 3 (Main), Register 2 at (10, 20), operand" or "alarm list".
std::string describeUse(const COperandUse& use);

// The address as the pages show it for a type: octal or hexadecimal where the protocol enters it so.
std::string operandAddressText(const CProtocolTables& tables, const std::string& typeName, std::uint32_t address);

} // namespace zl
