#include "online/CModbusMemory.h"

#include <modbus.h>

#include <cerrno>
#include <cstdlib>

namespace zl
{
namespace
{

using std::chrono::milliseconds;

// The speeds an image's line settings count through.
constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 115200};

bool isException(int error)
{
    // The PLC answered, refusing the request: the link itself is sound.
    return error > MODBUS_ENOBASE && error <= EMBXGTAR;
}

} // namespace

struct CModbusMemory::Link {
    modbus_t* context = nullptr;
    milliseconds retry{0};

    void Close()
    {
        if (context) {
            modbus_close(context);
            modbus_free(context);
            context = nullptr;
        }
    }
};

Result<CModbusEndpoint> CModbusEndpoint::Parse(const std::string& text, const CImageSettings& line)
{
    CModbusEndpoint e;
    if (text.rfind("tcp:", 0) == 0) {
        const std::string rest = text.substr(4);
        const std::size_t colon = rest.rfind(':');
        const std::string port = colon == std::string::npos ? "" : rest.substr(colon + 1);
        e.host = rest.substr(0, colon);
        if (e.host.empty() || port.empty() || port.size() > 5 ||
            port.find_first_not_of("0123456789") != std::string::npos || std::stoi(port) < 1 ||
            std::stoi(port) > 65535)
            return makeError("\"" + text + "\" is not tcp:HOST:PORT");
        e.port = std::stoi(port);
        return e;
    }
    if (text.rfind("rtu:", 0) == 0 && text.size() > 4) {
        // The serial line as the project sets it for the panel.
        if (line.protocol == 16)
            return makeError("Modbus ASCII runs over TCP only here (tcp:HOST:PORT)");
        if (line.baud >= std::size(kBauds) || (line.dataBits != 7 && line.dataBits != 8) ||
            (line.stopBits != 1 && line.stopBits != 2) || line.parity > 2)
            return makeError("the project's serial settings are out of range");
        e.device = text.substr(4);
        e.baud = kBauds[line.baud];
        e.dataBits = line.dataBits;
        e.stopBits = line.stopBits;
        e.parity = "NOE"[line.parity];
        return e;
    }
    return makeError("\"" + text + "\" is neither tcp:HOST:PORT nor rtu:DEVICE");
}

std::string CModbusEndpoint::Describe() const
{
    if (!host.empty())
        return "tcp:" + host + ":" + std::to_string(port);
    return "rtu:" + device + " " + LineText();
}

std::string CModbusEndpoint::LineText() const
{
    return std::to_string(baud) + " " + std::to_string(dataBits) + parity + std::to_string(stopBits);
}

CModbusMemory::CModbusMemory(CModbusEndpoint endpoint, unsigned protocol, CModbusTiming timing)
    : m_endpoint(std::move(endpoint)), m_protocol(protocol), m_timing(timing)
{
    m_stats.fault = "no answer yet from " + m_endpoint.Describe();
    m_worker = std::thread([this] { Run(); });
}

CModbusMemory::~CModbusMemory()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

std::uint32_t CModbusMemory::Read(const CImageOperand& operand) const
{
    std::lock_guard lock(m_mutex);
    return m_cache.Read(operand);
}

bool CModbusMemory::ReadBit(const CImageOperand& operand, unsigned bit) const
{
    std::lock_guard lock(m_mutex);
    return m_cache.ReadBit(operand, bit);
}

void CModbusMemory::Write(const CImageOperand& operand, std::uint32_t value)
{
    {
        std::lock_guard lock(m_mutex);
        // Shown at once; the refresh after the write reads back what the PLC made of it.
        m_cache.Write(operand, value);
        m_writes.push_back({operand, std::nullopt, value});
        m_refreshNow = true;
    }
    m_wake.notify_all();
}

void CModbusMemory::WriteBit(const CImageOperand& operand, unsigned bit, bool on)
{
    {
        std::lock_guard lock(m_mutex);
        m_cache.WriteBit(operand, bit, on);
        const bool ofWord = CPlcMemory::UnitBytes(operand.typeValue) > 0;
        m_writes.push_back({operand, ofWord ? std::optional(bit) : std::nullopt, on ? 1u : 0u});
        m_refreshNow = true;
    }
    m_wake.notify_all();
}

void CModbusMemory::Watch(const std::vector<CImageOperand>& operands)
{
    {
        std::lock_guard lock(m_mutex);
        m_watched = operands;
        m_refreshNow = true;
    }
    m_wake.notify_all();
}

std::string CModbusMemory::Fault() const
{
    std::lock_guard lock(m_mutex);
    return m_stats.fault;
}

CModbusStats CModbusMemory::Stats() const
{
    std::lock_guard lock(m_mutex);
    return m_stats;
}

bool CModbusMemory::WaitRefresh(milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t target = m_started + 1;
    m_refreshNow = true;
    m_wake.notify_all();
    const bool done = m_finished.wait_for(lock, timeout, [&] { return m_stats.refreshes >= target; });
    return done && m_stats.fault.empty();
}

void CModbusMemory::Run()
{
    Link link;
    link.retry = m_timing.retryFirst;
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        ++m_started;
        m_refreshNow = false;
        m_cycleFault.clear();
        lock.unlock();
        Refresh(link);
        lock.lock();
        ++m_stats.refreshes;
        m_stats.fault = m_cycleFault;
        m_stats.state = !m_cycleFault.empty() ? CLinkState::Down : CLinkState::Up;
        if (m_cycleFault.empty())
            link.retry = m_timing.retryFirst;
        m_finished.notify_all();
        // A lost link waits before it is opened again, each time longer; a sound one waits the interval
        // unless a write or a new window asks for a refresh.
        const milliseconds pause = link.context ? m_timing.interval : link.retry;
        if (!link.context)
            link.retry = std::min(link.retry * 2, m_timing.retryMax);
        m_wake.wait_for(lock, pause, [&] { return m_stop || (m_refreshNow && link.context); });
    }
    lock.unlock();
    link.Close();
}

void CModbusMemory::Failed(Link& link, int error, const std::string& what)
{
    {
        std::lock_guard lock(m_mutex);
        ++m_stats.failures;
        if (m_cycleFault.empty())
            m_cycleFault = what + ": " + modbus_strerror(error);
    }
    if (isException(error))
        return;
    // No answer or a garbled one: the stream may be out of step, so it starts afresh.
    if (link.context)
        modbus_flush(link.context);
    link.Close();
}

void CModbusMemory::Refresh(Link& link)
{
    if (!link.context) {
        link.context = m_endpoint.host.empty()
                           ? modbus_new_rtu(m_endpoint.device.c_str(), m_endpoint.baud, m_endpoint.parity,
                                            m_endpoint.dataBits, m_endpoint.stopBits)
                           : modbus_new_tcp(m_endpoint.host.c_str(), m_endpoint.port);
        const auto ms = m_timing.responseTimeout.count();
        if (!link.context) {
            const int error = errno;
            Failed(link, error, "cannot use " + m_endpoint.Describe());
        } else if (modbus_set_response_timeout(link.context, static_cast<std::uint32_t>(ms / 1000),
                                               static_cast<std::uint32_t>(ms % 1000 * 1000)) != 0 ||
                   modbus_connect(link.context) != 0) {
            const int error = errno;
            Failed(link, error, "cannot connect to " + m_endpoint.Describe());
        }
    }
    if (!link.context) {
        // Keys pressed while the PLC is away are lost, as on the panel: none is sent long after.
        std::lock_guard lock(m_mutex);
        m_writes.clear();
        return;
    }

    std::deque<PendingWrite> writes;
    std::vector<CImageOperand> watched;
    {
        std::lock_guard lock(m_mutex);
        writes.swap(m_writes);
        watched = m_watched;
    }
    for (const PendingWrite& w : writes)
        if (!link.context || !Send(link, w))
            break; // the rest of them are lost with the link

    std::vector<CModbusSpan> spans;
    for (const CImageOperand& o : watched)
        if (const auto span = modbusSpanOf(o, m_protocol))
            spans.push_back(*span);
    // Operands the PLC has no place for keep their last value.
    const std::vector<CModbusSpan> reads = groupReads(std::move(spans));
    std::vector<std::vector<std::uint16_t>> values(reads.size());
    for (std::size_t i = 0; i < reads.size() && link.context; ++i)
        ReadSpan(link, reads[i], values[i]);

    std::lock_guard lock(m_mutex);
    for (const CImageOperand& o : watched)
        Store(o, reads, values);
}

bool CModbusMemory::ReadSpan(Link& link, const CModbusSpan& span, std::vector<std::uint16_t>& values)
{
    {
        std::lock_guard lock(m_mutex);
        ++m_stats.requests;
    }
    modbus_set_slave(link.context, span.station);
    values.assign(span.count, 0);
    int got = -1;
    if (isBitTable(span.table)) {
        std::vector<std::uint8_t> bits(span.count);
        got = span.table == CModbusTable::Coils
                  ? modbus_read_bits(link.context, span.start, span.count, bits.data())
                  : modbus_read_input_bits(link.context, span.start, span.count, bits.data());
        std::copy(bits.begin(), bits.end(), values.begin());
    } else {
        got = span.table == CModbusTable::HoldingRegisters
                  ? modbus_read_registers(link.context, span.start, span.count, values.data())
                  : modbus_read_input_registers(link.context, span.start, span.count, values.data());
    }
    if (got == span.count)
        return true;
    const int error = got >= 0 ? EMBBADDATA : errno;
    values.clear();
    Failed(link, error,
           "reading " + std::to_string(span.count) + " from address " + std::to_string(span.start) +
               " at station " + std::to_string(span.station));
    return false;
}

bool CModbusMemory::Send(Link& link, const PendingWrite& w)
{
    const auto span = modbusSpanOf(w.operand, m_protocol);
    if (!span || !isWritable(span->table)) {
        std::lock_guard lock(m_mutex);
        if (m_cycleFault.empty())
            m_cycleFault =
                "cannot write: " + (span ? std::string("the table is read-only") : span.error().text);
        return true;
    }
    modbus_set_slave(link.context, span->station);
    std::uint32_t value = w.value;
    std::vector<std::uint16_t> registers(span->count);
    const auto count = [&] {
        std::lock_guard lock(m_mutex);
        ++m_stats.requests;
    };
    if (w.bit) {
        // One bit of a word: the word as the PLC holds it now, with that bit changed.
        count();
        if (modbus_read_registers(link.context, span->start, span->count, registers.data()) != span->count) {
            const int error = errno;
            Failed(link, error, "reading back address " + std::to_string(span->start));
            return false;
        }
        std::uint32_t now = 0;
        for (std::size_t u = registers.size(); u-- > 0;)
            now = now << 16 | registers[u];
        value = *w.bit >= 32 ? now : (w.value ? now | (1u << *w.bit) : now & ~(1u << *w.bit));
    }
    for (std::uint16_t& r : registers) {
        r = static_cast<std::uint16_t>(value);
        value >>= 16;
    }
    count();
    const int sent =
        span->table == CModbusTable::Coils ? modbus_write_bit(link.context, span->start, w.value ? 1 : 0)
        : span->count == 1                 ? modbus_write_register(link.context, span->start, registers[0])
                           : modbus_write_registers(link.context, span->start, span->count, registers.data());
    if (sent < 0) {
        const int error = errno;
        Failed(link, error,
               "writing address " + std::to_string(span->start) + " at station " +
                   std::to_string(span->station));
        return false;
    }
    return true;
}

void CModbusMemory::Store(const CImageOperand& operand, const std::vector<CModbusSpan>& read,
                          const std::vector<std::vector<std::uint16_t>>& values)
{
    const auto span = modbusSpanOf(operand, m_protocol);
    if (!span)
        return;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const CModbusSpan& r = read[i];
        if (values[i].empty() || r.station != span->station || r.table != span->table ||
            span->start < r.start || span->start + span->count > r.start + r.count)
            continue;
        for (unsigned u = 0; u < span->count; ++u)
            m_cache.SetCell({operand.station, operand.typeValue,
                             static_cast<std::uint16_t>(operand.address + u), operand.subAddress},
                            values[i][span->start - r.start + u]);
        return;
    }
}

} // namespace zl
