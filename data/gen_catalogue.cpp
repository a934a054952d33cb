// Writes the protocol catalogue Zentu_Ptc.dat and the model catalogues Zentu_Ptc2.dat and
// Zentu_Ptc4.dat with placeholder drivers: the real drivers are the panel maker's firmware, so each entry
// holds deterministic bytes that differ per protocol and per catalogue, with lengths spread over
// about 1 to 20 KB so that a download sends drivers of many frames, some ending in a partial frame.
//
//   zl410-gen-catalogue <output folder>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "GenOutput.h"

namespace {

constexpr unsigned kProtocols = 34;
constexpr std::size_t kEntrySize = 32788;
constexpr std::size_t kDriverOffset = 20;
constexpr std::size_t kDriverArea = 32768;
constexpr std::size_t kDriverTail = 128; // sent after the L bytes the length field counts

// The length field L of a protocol's driver: a permutation of the protocol numbers spreads the sizes
// so they do not simply grow with the number; L = 896 gives a driver of exactly 8 frames of 128 bytes.
unsigned driverLength(unsigned protocol, unsigned model)
{
    return 896 + (protocol * 13 % kProtocols) * 577 + model * 11;
}

// Model catalogues carry other versions than the main one, so a test sees which was sent.
std::uint8_t driverVersion(unsigned protocol, unsigned model)
{
    return static_cast<std::uint8_t>((model == 0 ? 1 : 10 * model) + protocol % 5);
}

void fillDriver(std::uint8_t* at, std::size_t size, unsigned protocol, unsigned model)
{
    char tag[64];
    const int tagLength =
        std::snprintf(tag, sizeof tag, "ZL410 placeholder driver, protocol %02u, model %u", protocol, model);
    std::uint32_t state = 0x9E3779B9u ^ (model << 16 | protocol); // xorshift32: small and reproducible
    for (std::size_t i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        at[i] = i < static_cast<std::size_t>(tagLength) ? static_cast<std::uint8_t>(tag[i])
                                                        : static_cast<std::uint8_t>(state >> 24);
    }
}

std::vector<std::uint8_t> catalogue(unsigned model)
{
    std::vector<std::uint8_t> bytes(1 + kProtocols * kEntrySize, 0);
    bytes[0] = kProtocols;
    for (unsigned protocol = 1; protocol <= kProtocols; ++protocol) {
        std::uint8_t* entry = bytes.data() + 1 + (protocol - 1) * kEntrySize;
        const unsigned length = driverLength(protocol, model);
        static_assert(896 + 33 * 577 + 4 * 11 + kDriverTail <= kDriverArea);
        entry[0] = static_cast<std::uint8_t>(protocol);
        entry[1] = driverVersion(protocol, model);
        entry[2] = static_cast<std::uint8_t>(length); // little-endian
        entry[3] = static_cast<std::uint8_t>(length >> 8);
        fillDriver(entry + kDriverOffset, length + kDriverTail, protocol, model);
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        zl::gen::fail("usage: zl410-gen-catalogue <output folder>");
    zl::gen::writeFile(argv[1], "Zentu_Ptc.dat", catalogue(0));
    for (unsigned model : {2u, 4u})
        zl::gen::writeFile(argv[1], "Zentu_Ptc" + std::to_string(model) + ".dat", catalogue(model));
    return 0;
}
