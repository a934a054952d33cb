#include "download/CPanelSimulator.h"

#include <algorithm>
#include <thread>

namespace zl
{
namespace
{

constexpr std::size_t kKeyLength = 21;
// One byte on a 115200 baud line of 8 data bits, no parity and 1 stop bit.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 115200);

bool everyKth(std::size_t count, unsigned k)
{
    return k != 0 && count % k == 0;
}

} // namespace

CPanelSimulator::CPanelSimulator(CPanelSimConfig config) : m_config(config), m_memory(kMemorySize, 0xFF) {}

std::vector<Bytes> CPanelSimulator::receive(const Bytes& bytes)
{
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
    std::vector<Bytes> answers;
    std::size_t at = 0;
    while (m_pending.size() - at >= 3) {
        // Resynchronise on 0x55 0xAA; a length too short for a frame is noise.
        if (m_pending[at] != 0x55 || m_pending[at + 1] != 0xAA || m_pending[at + 2] < kFrameOverhead) {
            ++at;
            continue;
        }
        const std::size_t length = m_pending[at + 2];
        if (m_pending.size() - at < length)
            break;
        const Bytes frame(m_pending.begin() + at, m_pending.begin() + at + length);
        at += length;
        if (auto a = answer(frame))
            answers.push_back(std::move(*a));
    }
    m_pending.erase(m_pending.begin(), m_pending.begin() + at);
    return answers;
}

std::optional<Bytes> CPanelSimulator::answer(const Bytes& frame)
{
    ++m_counters.frames;
    if (m_config.silentAfterFrames != 0 && m_counters.frames > m_config.silentAfterFrames)
        return std::nullopt;
    const std::uint8_t cmd = frame[3];
    bool good = frameChecksum(frame.data(), frame.size() - 1) == frame.back();
    Bytes reply;
    if (good && cmd == command::kHandshake) {
        good = frame == handshakeFrame();
        if (good && ++m_counters.handshakes <= m_config.ignoreHandshakes)
            return std::nullopt;
    } else if (good && cmd == command::kQuery) {
        good = frame.size() == kFrameOverhead;
        reply = informationFrame(m_config.info);
    } else if (good && cmd == command::kKey) {
        good = frame.size() == kKeyLength;
        if (good) {
            m_key.emplace();
            std::copy(frame.begin() + 4, frame.begin() + 20, m_key->r.begin());
        }
    } else if (good && cmd == command::kWrite) {
        good = !everyKth(++m_writeFrames, m_config.refuseEveryWrite) && applyWrite(frame);
    } else {
        good = false;
    }
    if (!good) {
        ++m_counters.refused;
        reply = makeFrame(command::kNegative);
    } else if (reply.empty()) {
        reply = makeFrame(command::kAcknowledge);
    }
    if (everyKth(++m_answers, m_config.dropEveryAnswer))
        return std::nullopt;
    return reply;
}

bool CPanelSimulator::applyWrite(const Bytes& frame)
{
    if (!m_key || frame.size() < kWriteDataOffset + 1 || frame.size() > kWriteDataOffset + 1 + kMaxWriteData)
        return false;
    const std::size_t n = frame.size() - kWriteDataOffset - 1;
    const std::size_t address = m_key->unscrambleAddress(static_cast<std::uint16_t>(getBe16(&frame[4])));
    if (address + n > kMemorySize)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        m_memory[address + i] = m_key->unscrambleData(frame[kWriteDataOffset + i], kWriteDataOffset + i);
    ++m_counters.writes;
    return true;
}

Status CPanelSimulator::serve(CByteLink& link, const std::atomic<bool>& stop)
{
    using Clock = CByteLink::Clock;
    Clock::time_point lineIn{}, lineOut{}; // when the emulated wire is done with its last byte each way
    Bytes in;
    while (!stop) {
        in.clear();
        const auto wake = link.receive(in, link.now() + std::chrono::hours(1));
        if (!wake.ok())
            return wake.error();
        if (in.empty())
            continue;
        lineIn = std::max(lineIn, link.now()) + kByteTime * in.size();
        for (const Bytes& a : receive(in)) {
            if (m_config.wireTime) {
                lineOut = std::max(lineOut, lineIn) + kByteTime * a.size();
                std::this_thread::sleep_until(lineOut);
            }
            const Status sent = link.send(a);
            if (!sent.ok())
                return sent;
        }
    }
    return Ok{};
}

} // namespace zl
