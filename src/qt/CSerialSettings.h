#pragma once
// The user's download settings, kept with QSettings in <config folder>/zl410.conf:
//   serial/COM1 … serial/COM6  the device behind each port of COM Selection (default /dev/ttyS0 … ttyS5,
//                              on Windows \\.\COM1 … \\.\COM6)
//   download/tickMs            the tick that download timeouts are counted in (default 16 ms)
#include <chrono>
#include <memory>
#include <string>

#include "base/Result.h"
#include "platform/CSerialPort.h" // defaultSerialDevicePath

class QSettings;

namespace zl
{

constexpr unsigned kSerialPortCount = 6;

std::string settingsFilePath();
// The settings file is read as every input is: a regular file no larger than a settings file can be
// (ReadSettingsFile); a missing one holds the defaults. While it is refused, every value below is its
// default and nothing is written into it, so that no caller waits on a pipe or reads a huge file.
Status checkSettingsFile();
// The settings file for QSettings to read and write; a stand-in holding nothing while it is refused.
std::unique_ptr<QSettings> openSettings();

// The COM entry, 0 … 5, that a stored port index stands for. COM Selection offers COM1 … COM6 and shows
// a larger index (a hand-edited "In.dat") as COM6, so everything that opens a port takes COM6 for it too.
unsigned comEntry(unsigned portIndex);
// COM Selection's entry, 0 … 5, from "In.dat"; the settings file is checked too, both being read as
// every input is.
Result<unsigned> selectedComEntry();
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
