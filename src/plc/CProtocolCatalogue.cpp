#include "plc/CProtocolCatalogue.h"

#include <fstream>

#include "base/FileIo.h"

namespace zl {
namespace {

CError missingFile(const std::string& path) { return makeError("File " + path + " does not exist!"); }

CError corrupt(const std::string& path, const std::string& what, std::size_t offset)
{
    CError e = makeError("The catalogue " + path + " is damaged: " + what + ".");
    e.offset = offset;
    return e;
}

std::size_t entryOffset(std::size_t i) { return 1 + i * CProtocolCatalogue::kEntrySize; }

// Reads `n` bytes at `offset`; false when the file ends first.
bool readAt(std::ifstream& in, std::size_t offset, void* to, std::size_t n)
{
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(static_cast<char*>(to), static_cast<std::streamsize>(n));
    return in && static_cast<std::size_t>(in.gcount()) == n;
}

// The entry count of an opened catalogue; the missing-file message when it did not open.
Result<std::size_t> openCount(std::ifstream& in, const std::string& path)
{
    if (!in)
        return missingFile(path);
    std::uint8_t count = 0;
    if (!readAt(in, 0, &count, 1))
        return corrupt(path, "the file is empty", 0);
    return std::size_t(count);
}

} // namespace

std::string CProtocolCatalogue::cataloguePath(const std::string& dataDir) { return dataDir + "/Zentu_Ptc.dat"; }

std::string CProtocolCatalogue::modelCataloguePath(const std::string& dataDir, unsigned model)
{
    return dataDir + "/Zentu_Ptc" + std::to_string(model) + ".dat";
}

Result<std::vector<std::uint8_t>> CProtocolCatalogue::ReadEntryTypes(const std::string& path)
{
    std::ifstream in(FilePath(path), std::ios::binary);
    const auto count = openCount(in, path);
    if (!count)
        return count.error();
    std::vector<std::uint8_t> types;
    for (std::size_t i = 0; i < *count; ++i) {
        std::uint8_t protocol = 0;
        if (!readAt(in, entryOffset(i), &protocol, 1))
            return corrupt(path, "it announces " + std::to_string(*count) + " entries but holds " + std::to_string(i),
                           entryOffset(i));
        types.push_back(protocol);
    }
    return types;
}

Result<CDriver> CProtocolCatalogue::LoadDriver(const std::string& path, std::uint8_t protocol)
{
    std::ifstream in(FilePath(path), std::ios::binary);
    const auto count = openCount(in, path);
    if (!count)
        return count.error();
    for (std::size_t i = 0; i < *count; ++i) {
        std::uint8_t head[4];
        if (!readAt(in, entryOffset(i), head, sizeof head))
            return corrupt(path, "entry " + std::to_string(i + 1) + " is cut short", entryOffset(i));
        if (head[0] != protocol)
            continue;
        CDriver driver;
        driver.protocol = protocol;
        driver.version = head[1];
        driver.position = i;
        const std::size_t length = std::size_t(head[2] | (head[3] << 8)) + 128;
        if (length > kDriverArea)
            return corrupt(path, "the driver of entry " + std::to_string(i + 1) + " is " + std::to_string(length) +
                                     " bytes, more than its 32768-byte area",
                           entryOffset(i) + 2);
        driver.bytes.resize(length);
        if (!readAt(in, entryOffset(i) + kDriverOffset, driver.bytes.data(), length))
            return corrupt(path, "the driver of entry " + std::to_string(i + 1) + " is cut short",
                           entryOffset(i) + kDriverOffset);
        return driver;
    }
    return makeError("The protocol does not exist!");
}

} // namespace zl
