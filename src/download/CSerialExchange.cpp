#include "download/CSerialExchange.h"

#include <algorithm>

#include "download/SerialFrames.h"

namespace zl
{
namespace
{

constexpr long kGiveUpTicks = 100;
constexpr int kMaxNegative = 8;
// A line quiet for this long holds no more late answers to earlier transmissions.
constexpr long kQuietTicks = 3;

struct ExchangeMessage {
    ExchangeResult result;
    const char* text;
    const char* english; // set when the text is Chinese
};
constexpr ExchangeMessage kMessages[] = {
    {ExchangeResult::Timeout, "延时越界", "time-out: the panel stopped answering"},
    {ExchangeResult::TooManyAttempts, "重发次数越界", "too many retries: the panel's answers kept failing"},
    {ExchangeResult::TooManyNegative, "Too many negative answers from the panel!", nullptr},
};

} // namespace

std::string exchangeMessage(ExchangeResult result)
{
    for (const ExchangeMessage& m : kMessages)
        if (m.result == result)
            return m.text;
    return {};
}

std::string englishMeaning(const std::string& message)
{
    for (const ExchangeMessage& m : kMessages)
        if (m.english && message == m.text)
            return m.english;
    return {};
}

CSerialExchange::CSerialExchange(CByteLink& link, std::chrono::milliseconds tick)
    : m_link(link), m_tick(std::max(tick, std::chrono::milliseconds(1)))
{
}

bool CSerialExchange::receiveInto(Bytes& into, CByteLink::Clock::time_point deadline)
{
    const std::size_t before = into.size();
    const auto wake = m_link.receive(into, deadline);
    m_counters.bytesReceived += into.size() - before;
    if (!wake.ok())
        m_linkError = wake.error();
    return wake.ok();
}

ExchangeResult CSerialExchange::sendAndWait(const Bytes& frame, Mode mode,
                                            const std::function<bool()>& stopRequested)
{
    const bool handshake = mode == Mode::Handshake;
    const long limit = handshake ? 1000000 : 10;
    const long ticksPerAttempt = handshake ? 2 : 30;
    const auto start = m_link.now();
    const auto ticks = [&] { return static_cast<long>((m_link.now() - start) / m_tick); };
    int negatives = 0;
    long unanswered = 0; // transmissions whose answer has not been seen

    for (long attempt = 1;; ++attempt) {
        // Every transmission starts afresh, so each answer is counted once.
        m_buffer.clear();
        const Status sent = m_link.send(frame);
        if (!sent.ok()) {
            m_linkError = sent.error();
            return ExchangeResult::LinkLost;
        }
        ++m_counters.transmissions;
        m_counters.bytesSent += frame.size();
        ++unanswered;

        const auto deadline = start + m_tick * (ticksPerAttempt * attempt + 1);
        Verdict verdict = Verdict::None;
        while (verdict == Verdict::None && m_link.now() < deadline) {
            if (!receiveInto(m_buffer, deadline))
                return ExchangeResult::LinkLost;
            verdict = classifyAnswer(m_buffer);
        }
        if (verdict != Verdict::None)
            --unanswered;
        if (verdict == Verdict::Good) {
            if (unanswered > 0)
                discardLateAnswers(stopRequested);
            return ExchangeResult::Answered;
        }
        if (stopRequested())
            return ExchangeResult::Cancelled;
        if (verdict == Verdict::Bad)
            ++negatives;

        if (negatives > kMaxNegative)
            return ExchangeResult::TooManyNegative;
        if (ticks() > kGiveUpTicks)
            return handshake ? ExchangeResult::HandshakeTimeout : ExchangeResult::Timeout;
        if (attempt >= limit)
            return ExchangeResult::TooManyAttempts;
    }
}

// A slow panel may answer a frame that was sent again after a timeout more than once. Those late answers
// must not be taken for the answer to the next frame, so they are read away until the line is quiet.
void CSerialExchange::discardLateAnswers(const std::function<bool()>& stopRequested)
{
    const auto giveUp = m_link.now() + m_tick * kGiveUpTicks;
    auto quietUntil = m_link.now() + m_tick * kQuietTicks;
    Bytes late;
    while (!stopRequested()) {
        const auto deadline = std::min(quietUntil, giveUp);
        if (m_link.now() >= deadline || !receiveInto(late, deadline))
            return;
        if (!late.empty()) {
            late.clear();
            quietUntil = m_link.now() + m_tick * kQuietTicks;
        }
    }
}

} // namespace zl
