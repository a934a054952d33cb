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

    // Reads the file; a short file leaves the remaining defaults, a missing one is created empty. A file
    // that is no regular file, or larger than a settings file can be, is refused (see ReadSettingsFile).
    static Result<CToolSettings> Read(const std::string& path);
    // Writes both bytes.
    Status Write(const std::string& path) const;
    // Writes the list position into byte 0, keeping the port byte the file holds; a file already holding
    // it is left as it is. A file that cannot be read is not written either.
    static Status WriteListPosition(const std::string& path, std::uint8_t position);
};

} // namespace zl
