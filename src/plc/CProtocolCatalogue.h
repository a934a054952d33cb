#pragma once
// The protocol catalogue "Zentu_Ptc.dat" and the model catalogues "Zentu_Ptc<model>.dat": a count byte,
// then entries of 32788 bytes (protocol number, driver version, little-endian driver length L, 16 unread
// bytes, the 32768-byte driver area of which the first L + 128 bytes are the driver).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

struct CDriver {
    std::uint8_t protocol = 0;
    std::uint8_t version = 0;
    Bytes bytes;               // L + 128 bytes
    std::size_t position = 0;  // the entry's position in the catalogue
};

class CProtocolCatalogue {
public:
    static constexpr std::size_t kEntrySize = 32788;
    static constexpr std::size_t kDriverOffset = 20;
    static constexpr std::size_t kDriverArea = 32768;

    static std::string cataloguePath(const std::string& dataDir);                     // Zentu_Ptc.dat
    static std::string modelCataloguePath(const std::string& dataDir, unsigned model); // Zentu_Ptc<m>.dat

    // The entry type list: each entry's protocol number, in file order. Fails with
    // "File <path> does not exist!" when the file cannot be opened, and with a clear message when the
    // count promises more entries than the file holds.
    static Result<std::vector<std::uint8_t>> ReadEntryTypes(const std::string& path);

    // The first entry for `protocol`: "File <path> does not exist!" when the file cannot be opened,
    // "The protocol does not exist!" when no entry matches, a clear message when the entry is cut short
    // or its length is beyond the driver area.
    static Result<CDriver> LoadDriver(const std::string& path, std::uint8_t protocol);
};

} // namespace zl
