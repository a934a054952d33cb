#include "online/CModbusMap.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "panel/CPlcMemory.h"
#include "plc/CProtocolDescriptor.h"
#include "plc/CProtocolTables.h"

namespace zl
{

unsigned modbusReadLimit(CModbusTable table)
{
    return isBitTable(table) ? 2000 : 125;
}

bool isBitTable(CModbusTable table)
{
    return table == CModbusTable::Coils || table == CModbusTable::DiscreteInputs;
}

bool isWritable(CModbusTable table)
{
    return table == CModbusTable::Coils || table == CModbusTable::HoldingRegisters;
}

Result<CModbusSpan> modbusSpanOf(const CImageOperand& operand, unsigned protocol)
{
    CModbusSpan span{operand.station, CModbusTable::Coils, 0, 1};
    // The high four bits pick the area; 0x12 is the holding-register word whose bits the alarm list of
    // the extended rows reads.
    switch (operand.typeValue) {
    case 0x00:
        span.table = CModbusTable::Coils;
        break;
    case 0x80:
        span.table = CModbusTable::DiscreteInputs;
        break;
    case 0x82:
        span.table = CModbusTable::InputRegisters;
        break;
    case 0x02:
    case 0x12:
        span.table = CModbusTable::HoldingRegisters;
        break;
    default: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "$%02X", unsigned{operand.typeValue});
        return makeError(std::string("type value ") + hex + " names no Modbus table");
    }
    }
    if (!isBitTable(span.table))
        span.count = static_cast<std::uint16_t>(CPlcMemory::Units(operand));
    const unsigned first = protocolDescriptor(protocol).addressesFromOne ? 1 : 0;
    if (operand.address < first)
        return makeError("address 0 where addresses count from 1");
    const unsigned start = operand.address - first;
    if (start + span.count > 0x10000)
        return makeError("the operand runs past the last address");
    span.start = static_cast<std::uint16_t>(start);
    return span;
}

std::vector<CModbusSpan> groupReads(std::vector<CModbusSpan> spans)
{
    const auto key = [](const CModbusSpan& s) { return std::tuple(s.station, s.table, s.start, s.count); };
    std::sort(spans.begin(), spans.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    std::vector<CModbusSpan> out;
    for (const CModbusSpan& s : spans) {
        if (!out.empty()) {
            CModbusSpan& last = out.back();
            const unsigned end = unsigned{last.start} + last.count;
            const unsigned joinedEnd = std::max(end, unsigned{s.start} + s.count);
            if (last.station == s.station && last.table == s.table && s.start <= end &&
                joinedEnd - last.start <= modbusReadLimit(s.table)) {
                last.count = static_cast<std::uint16_t>(joinedEnd - last.start);
                continue;
            }
        }
        out.push_back(s);
    }
    return out;
}

std::string modbusProtocolProblem(unsigned protocol)
{
    if (protocolDescriptor(protocol).modbusMaster)
        return {};
    return "online simulation needs a Modbus protocol; the project uses " + protocolDisplayName(protocol);
}

} // namespace zl
