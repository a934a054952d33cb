#pragma once
// Frames of the download link to the panel: 0x55 0xAA, total length, command, payload, 8-bit sum. The tool
// sends handshake, query, key and write frames; the panel answers with acknowledge, negative acknowledge or
// its information frame.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/Bytes.h"

namespace zl
{

namespace command
{
constexpr std::uint8_t kHandshake = 0x88;
constexpr std::uint8_t kQuery = 0x01;
constexpr std::uint8_t kKey = 0x83;
constexpr std::uint8_t kWrite = 0x81;
constexpr std::uint8_t kAcknowledge = 0x05;
constexpr std::uint8_t kNegative = 0x04;
constexpr std::uint8_t kInformation = 0x82;
} // namespace command

constexpr std::size_t kFrameOverhead = 5; // sync, length, command, checksum
constexpr std::size_t kInformationLength = 10;
constexpr std::size_t kMaxWriteData = 128;  // data bytes of one write frame
constexpr std::size_t kWriteDataOffset = 6; // where a write frame's data starts
constexpr std::uint16_t kImageAddress = 0x8000;

// Sum of `n` bytes, modulo 256.
std::uint8_t frameChecksum(const std::uint8_t* bytes, std::size_t n);
// A complete frame around `payload` (at most 250 bytes).
Bytes makeFrame(std::uint8_t command, const Bytes& payload = {});

Bytes handshakeFrame(); // payload "Zentu"

// What the bytes received since the last transmission say about the answer. Bytes may trickle in, so an
// incomplete answer keeps the verdict at None.
enum class Verdict { None = 0, Bad = 1, Good = 2 };
Verdict classifyAnswer(const Bytes& received);

// The panel's information frame: model code, and protocol and version of the driver it holds.
struct CPanelInfo {
    std::uint8_t model = 0;
    std::uint8_t protocol = 0;
    std::uint8_t driverVersion = 0;
};
Bytes informationFrame(const CPanelInfo& info);
// The information in an answer of exactly one information frame; nullopt for anything else.
std::optional<CPanelInfo> readInformation(const Bytes& received);

} // namespace zl
