#pragma once
// The panel's side of the download link, for rehearsing a download without hardware and as the peer of
// the tests: it answers the handshake and the query, learns the key, unscrambles write frames into a
// 64 KiB memory that starts erased (0xFF), and can misbehave on purpose.
#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

#include "download/CByteLink.h"
#include "download/CTransferKey.h"
#include "download/SerialFrames.h"

namespace zl
{

struct CPanelSimConfig {
    CPanelInfo info{1, 0, 0};       // model code, protocol and version of the driver the panel holds
    unsigned ignoreHandshakes = 0;  // the first N handshakes go unanswered
    unsigned refuseEveryWrite = 0;  // every k-th write frame gets a negative answer (0: none)
    unsigned dropEveryAnswer = 0;   // every k-th answer is never sent (0: none)
    unsigned silentAfterFrames = 0; // after N frames the panel neither answers nor writes (0: never)
    bool wireTime = false;          // pace answers as a 115200 baud line would
};

struct CPanelSimCounters {
    std::size_t frames = 0;  // complete frames received, good or bad
    std::size_t writes = 0;  // write frames applied to the memory
    std::size_t refused = 0; // negative answers sent
    std::size_t handshakes = 0;
};

class CPanelSimulator
{
public:
    static constexpr std::size_t kMemorySize = 0x10000;

    explicit CPanelSimulator(CPanelSimConfig config = {});

    // Takes bytes from the line; returns the answers to send, in order.
    std::vector<Bytes> receive(const Bytes& bytes);
    // Answers on `link` until `stop` turns true (then call link.interrupt()) or the link fails.
    Status serve(CByteLink& link, const std::atomic<bool>& stop);

    const Bytes& memory() const { return m_memory; }
    const CPanelSimCounters& counters() const { return m_counters; }

private:
    std::optional<Bytes> answer(const Bytes& frame); // nullopt: no answer
    bool applyWrite(const Bytes& frame);

    CPanelSimConfig m_config;
    Bytes m_memory;
    Bytes m_pending; // bytes of a frame still arriving
    std::optional<CTransferKey> m_key;
    CPanelSimCounters m_counters;
    std::size_t m_answers = 0;
    std::size_t m_writeFrames = 0;
};

} // namespace zl
