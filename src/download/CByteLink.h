#pragma once
// The byte link to the panel as the download sees it: a serial port in the product, a scripted peer with
// its own clock in the tests. Timeouts are measured on the link's clock.
#include <chrono>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl
{

class CByteLink
{
public:
    using Clock = std::chrono::steady_clock;
    enum class Wake { Data, Deadline, Interrupted };

    virtual ~CByteLink() = default;

    // Queues all of `bytes` for sending.
    virtual Status send(const Bytes& bytes) = 0;
    // Appends every byte received so far to `into`. When there is none yet, waits until some arrive,
    // `deadline` passes or interrupt() is called. An error means the link is gone (adapter unplugged).
    virtual Result<Wake> receive(Bytes& into, Clock::time_point deadline) = 0;
    // Wakes the receive() in progress, or the next one when none is; callable from any thread.
    virtual void interrupt() = 0;
    // The panel's reset line: request-to-send on, then off.
    virtual void pulseReset() = 0;
    virtual Clock::time_point now() const { return Clock::now(); }
};

} // namespace zl
