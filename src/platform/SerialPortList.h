#pragma once
// The serial ports this machine has (USB serial adapters, built-in ports), found through the system's
// device list, each with a description a user recognises. One implementation per system:
// SerialPortListPosix.cpp (sysfs) and SerialPortListWindows.cpp (SetupAPI and the SERIALCOMM key).
#include <string>
#include <vector>

namespace zl
{

struct CPortInfo {
    std::string device;      // "/dev/ttyUSB0", "\\.\COM3"
    std::string description; // "USB serial adapter FTDI FT232R, ttyUSB0"
};

// Sorted by device.
std::vector<CPortInfo> availableSerialPorts();

#ifndef _WIN32
// The ports of the tty class folder `ttyClass` ("/sys/class/tty"): each tty with a device behind it, named
// by its USB device's product and maker when it hangs off one.
std::vector<CPortInfo> serialPortsInSysfs(const std::string& ttyClass);
#endif

// The description of a port from what the system reports about it; `usb` when it has USB ids.
std::string describePort(const std::string& name, const std::string& product, const std::string& manufacturer,
                         bool usb);

} // namespace zl
