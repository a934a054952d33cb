#pragma once
// Send and wait: one frame to the panel and the wait for its answer, resent on a negative answer or when
// the answer is late. Time is counted in ticks of the link's clock; an answer ends the wait at once.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "download/CByteLink.h"

namespace zl
{

enum class ExchangeResult {
    Answered = 0,
    Timeout = 1,         // more than 100 ticks without a good answer
    TooManyNegative = 2, // more than 8 negative answers
    TooManyAttempts = 3,
    Cancelled = 4,
    HandshakeTimeout = 5, // the handshake went unanswered for more than 100 ticks
    LinkLost = 6,         // the port failed (adapter unplugged); linkError() says why
};

// The message the user reads for a failed exchange in normal mode (empty for results without one).
std::string exchangeMessage(ExchangeResult result);
// What such a message says in English when it is given only in Chinese; empty for any other text.
std::string englishMeaning(const std::string& message);

struct CLinkCounters {
    std::size_t transmissions = 0;
    std::size_t bytesSent = 0;
    std::size_t bytesReceived = 0;
};

class CSerialExchange
{
public:
    // Handshake mode resends every 2 ticks and tries far longer; normal mode resends after 30 ticks.
    enum class Mode { Normal, Handshake };
    // The classic tick: a 1 ms timer request that the system rounds up to its own tick.
    static constexpr std::chrono::milliseconds kDefaultTick{16};

    CSerialExchange(CByteLink& link, std::chrono::milliseconds tick = kDefaultTick);

    // Sends `frame` and waits for its answer. Once `stopRequested` turns true the frame in flight still
    // gets its chance to be answered, but nothing is resent: the result is then Answered or Cancelled.
    ExchangeResult sendAndWait(const Bytes& frame, Mode mode, const std::function<bool()>& stopRequested);

    // The bytes that answered the last exchange.
    const Bytes& answer() const { return m_buffer; }
    const CError& linkError() const { return m_linkError; }
    const CLinkCounters& counters() const { return m_counters; }
    CByteLink& link() { return m_link; }

private:
    bool receiveInto(Bytes& into, CByteLink::Clock::time_point deadline);
    void discardLateAnswers(const std::function<bool()>& stopRequested);

    CByteLink& m_link;
    std::chrono::milliseconds m_tick;
    Bytes m_buffer;
    CError m_linkError;
    CLinkCounters m_counters;
};

} // namespace zl
