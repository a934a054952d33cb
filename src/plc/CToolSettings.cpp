#include "plc/CToolSettings.h"

#include <fstream>

#include "base/FileIo.h"

namespace zl {

std::string CToolSettings::path(const std::string& configDir) { return configDir + "/In.dat"; }

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
    std::ofstream out(FilePath(path), std::ios::binary | std::ios::trunc);
    const char b[2] = {static_cast<char>(listPosition), static_cast<char>(portIndex)};
    out.write(b, 2);
    out.flush();
    if (!out)
        return makeError("Cannot write " + path);
    return Ok{};
}

Status CToolSettings::WriteListPosition(const std::string& path, std::uint8_t position)
{
    // A short or missing file reads as the default port, so writing both bytes keeps what it meant.
    CToolSettings s = Read(path);
    s.listPosition = position;
    return s.Write(path);
}

} // namespace zl
