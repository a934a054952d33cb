#pragma once
// The serial ports this machine has (USB serial adapters, built-in ports), found through the system's
// device list, each with a description a user recognises.
#include <string>
#include <vector>

namespace zl
{

struct CPortInfo {
    std::string device;      // "/dev/ttyUSB0"
    std::string description; // "USB serial adapter FTDI FT232R, ttyUSB0"
};

std::vector<CPortInfo> availableSerialPorts();

// The description of a port from what the system reports about it; `usb` when it has USB ids.
std::string describePort(const std::string& name, const std::string& product, const std::string& manufacturer,
                         bool usb);

} // namespace zl
