#pragma once
// The user's download settings, kept with QSettings in <config folder>/zl410.conf:
//   serial/COM1 … serial/COM6  the device behind each port of COM Selection (default /dev/ttyS0 … ttyS5,
//                              on Windows \\.\COM1 … \\.\COM6)
//   download/tickMs            the tick that download timeouts are counted in (default 16 ms)
#include <chrono>
#include <string>

#include "platform/CSerialPort.h" // defaultSerialDevicePath

namespace zl
{

constexpr unsigned kSerialPortCount = 6;

std::string settingsFilePath();

// `portIndex` 0 … 5 is COM1 … COM6, as "In.dat" keeps it.
std::string serialDevicePath(unsigned portIndex);
// Maps COM<portIndex + 1> to `device`; the default device removes the entry.
void setSerialDevicePath(unsigned portIndex, const std::string& device);
std::chrono::milliseconds downloadTick();

// The device a download opens for a COM entry, and how "Cannot open the serial port…" names it.
struct CPortChoice {
    std::string device;
    std::string label;
};
CPortChoice comPortChoice(unsigned portIndex);

} // namespace zl
