#pragma once
// The two-byte tool settings file "In.dat": the protocol's position in the catalogue and the serial port.
#include <cstdint>
#include <string>

#include "base/Result.h"

namespace zl {

struct CToolSettings {
    std::uint8_t listPosition = 0;
    std::uint8_t portIndex = 1; // COM2

    static std::string path(const std::string& configDir); // <configDir>/In.dat

    // Reads the file; a short file leaves the remaining defaults, a missing one is created empty.
    static CToolSettings Read(const std::string& path);
    // Writes both bytes.
    Status Write(const std::string& path) const;
    // Writes the list position into byte 0, keeping the port byte the file holds.
    static Status WriteListPosition(const std::string& path, std::uint8_t position);
};

} // namespace zl
