#pragma once
// How the panel's operands stand in a Modbus PLC: which table a type value names, at which protocol
// address an operand starts, and the polling requests that fetch a set of operands, consecutive addresses
// of one station and table put together into one request up to the protocol's limits.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "image/CDecodedImage.h"

namespace zl
{

enum class CModbusTable : std::uint8_t { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

// A span of one table at one station: a read request, or what an operand occupies.
struct CModbusSpan {
    std::uint8_t station = 0;
    CModbusTable table = CModbusTable::Coils;
    std::uint16_t start = 0; // the protocol's address, from 0
    std::uint16_t count = 0;
    bool operator==(const CModbusSpan&) const = default;
};

// The most one read request asks for: 2000 coils or inputs, 125 registers.
unsigned modbusReadLimit(CModbusTable table);
bool isBitTable(CModbusTable table);
bool isWritable(CModbusTable table);

// The span an operand occupies under `protocol`, or an error saying why the PLC has no place for it (a
// type value that names no Modbus table, address 0 where addresses count from 1, past the last address).
Result<CModbusSpan> modbusSpanOf(const CImageOperand& operand, unsigned protocol);

// The read requests that cover `spans`: by station and table, overlapping and adjacent spans joined
// while the request stays within the limit.
std::vector<CModbusSpan> groupReads(std::vector<CModbusSpan> spans);

// Empty when the protocol is one the panel speaks to its PLC as a Modbus master; else the reason it is not.
std::string modbusProtocolProblem(unsigned protocol);

} // namespace zl
