#pragma once
// The panel's own settings, edited in the panel configuration dialog and stored in the project header.
#include <cstdint>

#include "plc/CProtocolDescriptor.h"

namespace zl
{

struct CPanelSettings {
    std::uint16_t initialWindow = 1;
    std::uint16_t password = 0;         // 0 … 10000
    std::uint8_t screenSaverDelay = 3;  // index into "Never", "1Min", …, "1Hour"
    std::uint8_t screenSaverAction = 0; // 0 "Backlight Off", 1 "Show window"
    std::uint16_t screenSaverWindow = 1;
    std::uint8_t controlStation = 1;
    std::uint8_t controlRegisterType = 0;
    std::uint16_t controlRegisterAddress = 0;
    std::uint8_t statusFlags = 0; // bit 0 auto change window, bit 1 report window, bit 2 RTC module
    std::uint8_t registerStep = 1;

    bool operator==(const CPanelSettings&) const = default;

    // Control block station for a new project under `protocol`.
    static std::uint8_t defaultControlStation(unsigned protocol)
    {
        return protocolDescriptor(protocol).controlStation;
    }

    // New Project: everything back to its default except the screen-saver action.
    void resetForNewProject(unsigned protocol)
    {
        statusFlags = 0;
        password = 0;
        screenSaverWindow = 1;
        initialWindow = 1;
        controlStation = defaultControlStation(protocol);
        controlRegisterAddress = 0;
        controlRegisterType = 0;
        screenSaverDelay = 3;
    }
};

} // namespace zl
