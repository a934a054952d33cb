#include "plc/CToolSettings.h"

#include <fstream>

#include "base/FileIo.h"

namespace zl
{

std::string CToolSettings::path(const std::string& configDir)
{
    return configDir + "/In.dat";
}

CToolSettings CToolSettings::Read(const std::string& path)
{
    CToolSettings s;
    std::ifstream in(FilePath(path), std::ios::binary);
    if (!in) {
        std::ofstream create(FilePath(path), std::ios::binary);
        return s;
    }
    char b[2];
    in.read(b, 2);
    const auto got = in.gcount();
    if (got >= 1)
        s.listPosition = static_cast<std::uint8_t>(b[0]);
    if (got >= 2)
        s.portIndex = static_cast<std::uint8_t>(b[1]);
    return s;
}

Status CToolSettings::Write(const std::string& path) const
{
    // All or nothing, like a project: a write cut short must not leave a one-byte file behind.
    const std::uint8_t b[2] = {listPosition, portIndex};
    return WriteFileSafely(path, b);
}

Status CToolSettings::WriteListPosition(const std::string& path, std::uint8_t position)
{
    // A short or missing file reads as the default port, so writing both bytes keeps what it meant.
    CToolSettings s = Read(path);
    s.listPosition = position;
    return s.Write(path);
}

} // namespace zl
