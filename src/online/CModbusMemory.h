#pragma once
// The panel's PLC memory on a real PLC over Modbus (RTU on a serial port, or TCP), as a panel polls it.
// A worker thread keeps what the panel watches fresh: every interval it reads the watched operands,
// consecutive addresses in one request, into a cache the panel reads from any thread. A write goes out at
// once, ahead of the next refresh, and is read back by it. A PLC that does not answer, answers with an
// exception or with garbage makes Fault() say so until a whole refresh succeeds again; a lost connection
// is opened again after a pause that doubles with every failure up to a limit.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/Result.h"
#include "online/CModbusMap.h"
#include "panel/CPlcMemory.h"

namespace zl
{

// Where the PLC is: a TCP host and port, or a serial device with its line settings.
struct CModbusEndpoint {
    std::string host; // TCP when not empty
    int port = 502;
    std::string device;
    int baud = 19200;
    char parity = 'E'; // 'N', 'O', 'E'
    int dataBits = 8;
    int stopBits = 1;

    // "tcp:HOST:PORT" or "rtu:DEVICE"; a serial device takes the line settings of `line` (the image's).
    static Result<CModbusEndpoint> Parse(const std::string& text, const CImageSettings& line);
    std::string Describe() const;
    // The serial line as "19200 8E1".
    std::string LineText() const;
};

struct CModbusTiming {
    std::chrono::milliseconds interval{200};        // between two refreshes
    std::chrono::milliseconds responseTimeout{300}; // for one answer
    std::chrono::milliseconds retryFirst{200};      // pause before reconnecting, doubled each failure
    std::chrono::milliseconds retryMax{3000};
};

enum class CLinkState { Connecting, Up, Down };

struct CModbusStats {
    CLinkState state = CLinkState::Connecting;
    std::uint64_t requests = 0;  // sent
    std::uint64_t failures = 0;  // unanswered, refused or garbled
    std::uint64_t refreshes = 0; // finished
    std::string fault;           // as Fault() gives it
};

class CModbusMemory : public IPlcMemory
{
public:
    CModbusMemory(CModbusEndpoint endpoint, unsigned protocol, CModbusTiming timing = {});
    ~CModbusMemory() override;
    CModbusMemory(const CModbusMemory&) = delete;
    CModbusMemory& operator=(const CModbusMemory&) = delete;

    std::uint32_t Read(const CImageOperand& operand) const override;
    void Write(const CImageOperand& operand, std::uint32_t value) override;
    bool ReadBit(const CImageOperand& operand, unsigned bit) const override;
    void WriteBit(const CImageOperand& operand, unsigned bit, bool on) override;
    void Watch(const std::vector<CImageOperand>& operands) override;
    std::string Fault() const override;

    CModbusStats Stats() const;
    // Waits until a refresh that begins after the call (and so every write made before it) is done, or
    // `timeout` has passed; true when it finished without a fault.
    bool WaitRefresh(std::chrono::milliseconds timeout);

private:
    struct PendingWrite {
        CImageOperand operand;
        std::optional<unsigned> bit; // a bit of a word: read, changed and written back
        std::uint32_t value = 0;
    };
    struct Link; // the libmodbus context, used by the worker alone

    void Run();
    // One refresh: connect when needed, the writes queued, then the reads.
    void Refresh(Link& link);
    bool Send(Link& link, const PendingWrite& write);
    bool ReadSpan(Link& link, const CModbusSpan& span, std::vector<std::uint16_t>& values);
    // Counts a failed request (`error` the errno it left) and drops the link unless the PLC refused it.
    void Failed(Link& link, int error, const std::string& what);
    void Store(const CImageOperand& operand, const std::vector<CModbusSpan>& read,
               const std::vector<std::vector<std::uint16_t>>& values);

    const CModbusEndpoint m_endpoint;
    const unsigned m_protocol;
    const CModbusTiming m_timing;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;     // the worker: a write, a new watch list, the end
    std::condition_variable m_finished; // WaitRefresh: a refresh is done
    CPlcMemory m_cache;
    std::vector<CImageOperand> m_watched;
    std::deque<PendingWrite> m_writes;
    CModbusStats m_stats;
    std::uint64_t m_started = 0;
    std::string m_cycleFault;  // the first fault of the refresh under way
    bool m_refreshNow = false; // a write or a new watch list: refresh without waiting the interval
    bool m_stop = false;
    std::thread m_worker;
};

} // namespace zl
