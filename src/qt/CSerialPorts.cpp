#include "qt/CSerialPorts.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace zl
{

std::string describePort(const std::string& name, const std::string& product, const std::string& manufacturer,
                         bool usb)
{
    std::string what = product;
    // Products often repeat their maker's name ("FTDI FT232R"); name the maker once.
    if (!manufacturer.empty() && what.rfind(manufacturer, 0) != 0)
        what = what.empty() ? manufacturer : manufacturer + " " + what;
    if (usb)
        what = what.empty() ? "USB serial adapter" : "USB serial adapter " + what;
    else if (what.empty())
        what = "Serial port";
    return what + ", " + name;
}

std::vector<CPortInfo> availableSerialPorts()
{
    std::vector<CPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const bool usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
        ports.push_back({info.systemLocation().toStdString(),
                         describePort(info.portName().toStdString(), info.description().toStdString(),
                                      info.manufacturer().toStdString(), usb)});
    }
    std::sort(ports.begin(), ports.end(),
              [](const CPortInfo& a, const CPortInfo& b) { return a.device < b.device; });
    return ports;
}

} // namespace zl
