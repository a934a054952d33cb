#include "plc/CToolSettings.h"

#include "base/FileIo.h"

namespace zl
{

std::string CToolSettings::path(const std::string& configDir)
{
    return configDir + "/In.dat";
}

namespace
{

// A short file leaves the remaining defaults.
CToolSettings decode(const Bytes& b)
{
    CToolSettings s;
    if (b.size() >= 1)
        s.listPosition = b[0];
    if (b.size() >= 2)
        s.portIndex = b[1];
    return s;
}

} // namespace

Result<CToolSettings> CToolSettings::Read(const std::string& path)
{
    const Result<std::optional<Bytes>> bytes = ReadSettingsFile(path);
    if (!bytes)
        return bytes.error();
    if (!*bytes) {
        (void)WriteFileSafely(path, {}); // a folder that takes no file keeps the defaults all the same
        return CToolSettings{};
    }
    return decode(**bytes);
}

Status CToolSettings::Write(const std::string& path) const
{
    // All or nothing, like a project: a write cut short must not leave a one-byte file behind.
    const std::uint8_t b[2] = {listPosition, portIndex};
    return WriteFileSafely(path, b);
}

Status CToolSettings::WriteListPosition(const std::string& path, std::uint8_t position)
{
    const Result<std::optional<Bytes>> bytes = ReadSettingsFile(path);
    if (!bytes)
        return bytes.error();
    // A file that says so already is left as it is: a download would otherwise rewrite it every time.
    if (*bytes && (*bytes)->size() >= 2 && (**bytes)[0] == position)
        return Ok{};
    // A short or missing file reads as the default port, so writing both bytes keeps what it meant.
    CToolSettings s = *bytes ? decode(**bytes) : CToolSettings{};
    s.listPosition = position;
    return s.Write(path);
}

} // namespace zl
