#include "platform/SerialPortList.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace zl
{
namespace
{

namespace fs = std::filesystem;

// The first line of a sysfs attribute, or "" when there is none.
std::string attribute(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The USB device a tty hangs off: the nearest folder up from its device that has USB ids.
fs::path usbDeviceOf(const fs::path& device)
{
    for (fs::path dir = device; dir.has_relative_path() && dir != dir.parent_path();
         dir = dir.parent_path()) {
        std::error_code ec;
        if (fs::exists(dir / "idVendor", ec) && fs::exists(dir / "idProduct", ec))
            return dir;
    }
    return {};
}

// The 8250 driver registers every port it could have; only those with a UART behind them are real.
bool hasUart(const std::string& devicePath)
{
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    serial_struct info{};
    const bool real = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return real;
}

} // namespace

std::vector<CPortInfo> availableSerialPorts()
{
    return serialPortsInSysfs("/sys/class/tty");
}

std::vector<CPortInfo> serialPortsInSysfs(const std::string& ttyClass)
{
    std::vector<CPortInfo> ports;
    std::error_code ec;
    for (const fs::directory_entry& tty : fs::directory_iterator(ttyClass, ec)) {
        std::error_code linkError;
        const fs::path device = fs::canonical(tty.path() / "device", linkError);
        if (linkError) // virtual terminals and pseudo-terminals have no device
            continue;
        const std::string name = tty.path().filename().string();
        const std::string devicePath = "/dev/" + name;
        const std::string driver = fs::canonical(device / "driver", linkError).filename().string();
        if (driver == "serial8250" && !hasUart(devicePath))
            continue;
        const fs::path usb = usbDeviceOf(device);
        if (usb.empty())
            ports.push_back({devicePath, describePort(name, "", "", false)});
        else
            ports.push_back({devicePath, describePort(name, attribute(usb / "product"),
                                                      attribute(usb / "manufacturer"), true)});
    }
    std::sort(ports.begin(), ports.end(),
              [](const CPortInfo& a, const CPortInfo& b) { return a.device < b.device; });
    return ports;
}

} // namespace zl
