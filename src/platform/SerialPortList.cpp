#include "platform/SerialPortList.h"

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

} // namespace zl
