#pragma once
// The project's communication settings with the PLC, and their per-protocol defaults.
#include <cstdint>

namespace zl {

struct CPanelSettings;

struct CCommSettings {
    std::uint8_t listPosition = 0; // position of the protocol in the catalogue
    std::uint8_t portIndex = 1;    // 0 = COM1 … 5 = COM6
    std::uint8_t baud = 3;         // index into baudList(protocol)
    std::uint8_t dataBits = 1;     // "7", "8"
    std::uint8_t stopBits = 0;     // "1", "2"
    std::uint8_t parity = 0;       // "NONE", "ODD", "EVEN"
    std::uint8_t interface = 0;    // "232", "485"
    std::uint8_t plcStation = 1;
    std::uint16_t delay = 0;
};

// The defaults applied once at start-up, after the settings file is read.
void applyStartupDefaults(unsigned protocol, CCommSettings& comm, CPanelSettings& panel);
// The defaults applied when the user picks another protocol in the PLC Selection dialog.
void applyDialogDefaults(unsigned protocol, CCommSettings& comm);

} // namespace zl
