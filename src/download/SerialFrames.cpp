#include "download/SerialFrames.h"

#include <algorithm>
#include <numeric>

namespace zl
{
namespace
{

// The frame announces its own length in b[2]; the checksum is its last byte. A length that is not yet
// all there, or too short to hold a frame, is no valid frame.
bool checksumHolds(const Bytes& b)
{
    const std::size_t length = b[2];
    if (length < kFrameOverhead || length > b.size())
        return false;
    return frameChecksum(b.data(), length - 1) == b[length - 1];
}

} // namespace

std::uint8_t frameChecksum(const std::uint8_t* bytes, std::size_t n)
{
    return static_cast<std::uint8_t>(std::accumulate(bytes, bytes + n, 0u));
}

Bytes makeFrame(std::uint8_t command, const Bytes& payload)
{
    Bytes f(payload.size() + kFrameOverhead);
    f[0] = 0x55;
    f[1] = 0xAA;
    f[2] = static_cast<std::uint8_t>(f.size());
    f[3] = command;
    std::copy(payload.begin(), payload.end(), f.begin() + 4);
    f.back() = frameChecksum(f.data(), f.size() - 1);
    return f;
}

Bytes handshakeFrame()
{
    return makeFrame(command::kHandshake, stringToBytes("Zentu"));
}

Verdict classifyAnswer(const Bytes& b)
{
    const std::size_t s = b.size();
    if (s < 3 || b[0] != 0x55 || b[1] != 0xAA)
        return Verdict::None;
    // A frame that promises more bytes than have arrived is still on its way.
    if (b[2] > s)
        return Verdict::None;
    if (s == kFrameOverhead) {
        const bool sumOk = checksumHolds(b);
        if (sumOk && b[3] == command::kAcknowledge)
            return Verdict::Good;
        if (b[3] == command::kNegative || !sumOk)
            return Verdict::Bad;
        return Verdict::None;
    }
    if (s == kInformationLength) {
        if (b[3] != command::kInformation)
            return Verdict::Bad;
        return checksumHolds(b) ? Verdict::Good : Verdict::None;
    }
    return Verdict::None;
}

Bytes informationFrame(const CPanelInfo& info)
{
    return makeFrame(command::kInformation, {info.model, info.protocol, info.driverVersion, 0, 0});
}

std::optional<CPanelInfo> readInformation(const Bytes& b)
{
    if (b.size() != kInformationLength || b[3] != command::kInformation)
        return std::nullopt;
    return CPanelInfo{b[4], b[5], b[6]};
}

} // namespace zl
