// What the serial port does alike on every system.
#include "platform/CSerialPort.h"

#include <cctype>

namespace zl
{

CError CSerialPort::openFailure(const std::string& device, const std::string& label, std::string reason)
{
    const bool named = label.find(device) != std::string::npos;
    if (reason.starts_with(' '))
        reason = (named ? "It" : device) + reason;
    else if (!named)
        reason = device + ": " + reason;
    else if (!reason.empty())
        reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return makeError("Cannot open the serial port" + label + "!\n" + reason, "Download data");
}

} // namespace zl
