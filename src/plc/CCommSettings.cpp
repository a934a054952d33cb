#include "plc/CCommSettings.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "plc/CProtocolTables.h"
#include "plc/CPanelSettings.h"

namespace zl {
namespace {

enum : int { kKeep = -1 };
enum Parity { NONE = 0, ODD = 1, EVEN = 2 };

// Line settings as the user sees them: baud rate, data bits, stop bits, parity, interface (232/485,
// or kKeep to leave the interface as it is).
struct CLine {
    int baud, data, stop, parity, iface;
};

struct CDefaultsRow {
    std::vector<unsigned> protocols;
    CLine startup, dialog;
};

const std::vector<CDefaultsRow>& rows()
{
    static const std::vector<CDefaultsRow> r{
        {{2}, {9600, 8, 1, EVEN, 485}, {9600, 8, 1, EVEN, 485}},
        {{3, 34}, {19200, 8, 1, EVEN, 232}, {19200, 8, 1, EVEN, 232}},
        {{4, 10, 13}, {9600, 7, 1, EVEN, 232}, {9600, 7, 1, EVEN, 232}},
        {{5}, {9600, 7, 2, EVEN, 232}, {9600, 7, 2, EVEN, 232}},
        {{6, 7}, {9600, 8, 1, ODD, 232}, {9600, 8, 1, ODD, 232}},
        {{8, 12, 24}, {9600, 8, 1, EVEN, 232}, {9600, 8, 1, EVEN, 232}},
        {{9, 11, 17, 22}, {9600, 8, 1, NONE, 232}, {9600, 8, 1, NONE, 232}},
        {{14}, {19200, 8, 1, NONE, 232}, {19200, 8, 1, NONE, 232}},
        {{15}, {19200, 8, 1, NONE, 232}, {19200, 8, 1, NONE, kKeep}},
        {{16, 23, 26}, {19200, 7, 1, EVEN, 232}, {19200, 7, 1, EVEN, 232}},
        {{18}, {38400, 8, 1, NONE, 232}, {38400, 8, 1, NONE, 232}},
        {{19, 25}, {19200, 8, 1, EVEN, 232}, {19200, 8, 1, EVEN, 232}},
        {{20}, {19200, 7, 1, EVEN, 232}, {19200, 8, 1, EVEN, 232}},
        {{21}, {19200, 8, 1, EVEN, 232}, {19200, 8, 1, EVEN, 232}},
        {{27}, {9600, 7, 2, EVEN, 232}, {9600, 7, 2, EVEN, 232}},
        {{28}, {19200, 8, 2, NONE, kKeep}, {19200, 8, 2, NONE, 232}},
        {{29, 30}, {9600, 8, 1, NONE, kKeep}, {19200, 8, 1, NONE, 232}},
        {{31}, {9600, 8, 1, NONE, kKeep}, {9600, 8, 1, NONE, 232}},
        {{1}, {9600, 8, 1, NONE, 232}, {9600, 8, 1, NONE, 232}},
        {{32}, {9600, 8, 1, NONE, kKeep}, {9600, 8, 1, NONE, 232}},
        {{33}, {19200, 8, 1, ODD, kKeep}, {19200, 8, 1, ODD, 232}},
    };
    return r;
}

const CDefaultsRow* rowFor(unsigned protocol)
{
    for (const auto& row : rows()) {
        if (std::find(row.protocols.begin(), row.protocols.end(), protocol) != row.protocols.end())
            return &row;
    }
    return nullptr;
}

void apply(unsigned protocol, const CLine& line, CCommSettings& comm)
{
    const auto& bauds = baudList(protocol);
    const auto it = std::find(bauds.begin(), bauds.end(), std::to_string(line.baud));
    comm.baud = static_cast<std::uint8_t>(it - bauds.begin());
    comm.dataBits = line.data == 8 ? 1 : 0;
    comm.stopBits = line.stop == 2 ? 1 : 0;
    comm.parity = static_cast<std::uint8_t>(line.parity);
    if (line.iface != kKeep)
        comm.interface = line.iface == 485 ? 1 : 0;
    if (protocol == 2)
        comm.delay = 10000;
    if (protocol == 3 || protocol == 34)
        comm.delay = 500;
    if (protocol == 14 || protocol == 21)
        comm.plcStation = 1;
}

} // namespace

void applyStartupDefaults(unsigned protocol, CCommSettings& comm, CPanelSettings& panel)
{
    const CDefaultsRow* row = rowFor(protocol);
    apply(protocol, row ? row->startup : CLine{9600, 8, 2, NONE, 232}, comm);
    if (protocol == 2)
        panel.controlStation = 2;
}

void applyDialogDefaults(unsigned protocol, CCommSettings& comm)
{
    const CDefaultsRow* row = rowFor(protocol);
    apply(protocol, row ? row->dialog : CLine{9600, 7, 1, NONE, 232}, comm);
}

} // namespace zl
