#include "plc/CCommSettings.h"

#include <algorithm>
#include <string>

#include "plc/CPanelSettings.h"
#include "plc/CProtocolDescriptor.h"

namespace zl
{
namespace
{

void apply(const CProtocolDescriptor& d, const CLineDefaults& line, CCommSettings& comm)
{
    const auto& bauds = d.baudRates();
    const auto it = std::find(bauds.begin(), bauds.end(), std::to_string(line.baud));
    comm.baud = static_cast<std::uint8_t>(it - bauds.begin());
    comm.dataBits = line.dataBits == 8 ? 1 : 0;
    comm.stopBits = line.stopBits == 2 ? 1 : 0;
    comm.parity = static_cast<std::uint8_t>(line.parity);
    if (line.iface != CLineDefaults::kKeepInterface)
        comm.interface = line.iface == 485 ? 1 : 0;
    if (d.delay)
        comm.delay = *d.delay;
    if (d.plcStation)
        comm.plcStation = *d.plcStation;
}

} // namespace

void applyStartupDefaults(unsigned protocol, CCommSettings& comm, CPanelSettings& panel)
{
    const CProtocolDescriptor& d = protocolDescriptor(protocol);
    apply(d, d.startupLine, comm);
    if (d.startupControlStation)
        panel.controlStation = *d.startupControlStation;
}

void applyDialogDefaults(unsigned protocol, CCommSettings& comm)
{
    const CProtocolDescriptor& d = protocolDescriptor(protocol);
    apply(d, d.dialogLine, comm);
}

} // namespace zl
