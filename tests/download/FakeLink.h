#pragma once
// A byte link with its own clock for deterministic tests: whatever is sent goes to a peer function, whose
// answers arrive after the delays it names. Waiting only moves the clock; nothing sleeps.
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "download/CByteLink.h"

namespace zl::test
{

struct Delivery {
    CByteLink::Clock::duration after;
    Bytes bytes;
};

class FakeLink : public CByteLink
{
public:
    // The peer sees each sent frame with its zero-based index and returns what arrives in reply.
    using Peer = std::function<std::vector<Delivery>(const Bytes& sent, std::size_t index)>;

    explicit FakeLink(Peer peer) : m_peer(std::move(peer)) {}

    Status send(const Bytes& bytes) override
    {
        std::vector<Delivery> replies;
        {
            std::lock_guard lock(m_mutex);
            if (m_failAfter && m_sent.size() >= *m_failAfter)
                return makeError("Input/output error");
            m_sent.push_back(bytes);
        }
        replies = m_peer(bytes, m_sent.size() - 1);
        std::lock_guard lock(m_mutex);
        for (auto& r : replies)
            m_arrivals.emplace(m_now + r.after, std::move(r.bytes));
        return Ok{};
    }

    Result<Wake> receive(Bytes& into, Clock::time_point deadline) override
    {
        std::lock_guard lock(m_mutex);
        if (m_interrupted.exchange(false))
            return Wake::Interrupted;
        if (m_failAfter && m_sent.size() >= *m_failAfter)
            return makeError("Input/output error");
        auto first = m_arrivals.begin();
        if (first == m_arrivals.end() || first->first > deadline) {
            m_now = std::max(m_now, deadline);
            return Wake::Deadline;
        }
        m_now = std::max(m_now, first->first);
        // Everything due by now arrives together, as a serial driver hands over what it has.
        while (first != m_arrivals.end() && first->first <= m_now) {
            into.insert(into.end(), first->second.begin(), first->second.end());
            first = m_arrivals.erase(first);
        }
        return Wake::Data;
    }

    void interrupt() override { m_interrupted = true; }
    void pulseReset() override { ++m_resets; }
    Clock::time_point now() const override
    {
        std::lock_guard lock(m_mutex);
        return m_now;
    }

    // Sending fails once `count` frames went out, as an unplugged adapter would.
    void failAfter(std::size_t count) { m_failAfter = count; }
    std::vector<Bytes> sent() const
    {
        std::lock_guard lock(m_mutex);
        return m_sent;
    }
    // Elapsed time in ticks of `tick`.
    long ticks(std::chrono::milliseconds tick) const
    {
        return static_cast<long>((now() - Clock::time_point{}) / tick);
    }
    int resets() const { return m_resets; }

private:
    Peer m_peer;
    mutable std::mutex m_mutex;
    Clock::time_point m_now{};
    std::multimap<Clock::time_point, Bytes> m_arrivals;
    std::vector<Bytes> m_sent;
    std::optional<std::size_t> m_failAfter;
    std::atomic<bool> m_interrupted{false};
    std::atomic<int> m_resets{0};
};

} // namespace zl::test
