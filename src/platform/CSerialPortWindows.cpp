#include "platform/CSerialPort.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

#include "base/FileIo.h"

namespace zl
{
namespace
{

constexpr DWORD kWriteStallMs = 2000;

// Why a device cannot be opened, for CSerialPort::openFailure.
std::string reasonFor(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "no such device. Is the adapter plugged in, and is this the right port?";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return " is busy: another program is using it.";
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return " is not a serial port.";
    default:
        return std::system_category().message(static_cast<int>(error)) + ".";
    }
}

// An event that a wait consumes (auto-reset), or one that stays set until reset (for overlapped I/O).
HANDLE newEvent(bool manualReset)
{
    return CreateEventW(nullptr, manualReset, FALSE, nullptr);
}

// Raw bytes at 115200 baud, 8N1, no flow control; DTR on, RTS (the panel's reset line) off.
bool configureLine(HANDLE port)
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port, &dcb))
        return false;
    dcb.BaudRate = CBR_115200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(port, &dcb))
        return false;
    // Reads return at once with what has arrived; waiting is done with WaitCommEvent.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    if (!SetCommTimeouts(port, &timeouts) || !SetCommMask(port, EV_RXCHAR | EV_ERR))
        return false;
    return PurgeComm(port, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT); // stale bytes
}

// "COM12" as a user types it reaches the port only in the device form: the short names stop at COM9.
std::string deviceName(const std::string& device)
{
    const bool bareComName =
        device.size() > 3 && (device[0] | 0x20) == 'c' && (device[1] | 0x20) == 'o' &&
        (device[2] | 0x20) == 'm' &&
        std::all_of(device.begin() + 3, device.end(), [](char c) { return c >= '0' && c <= '9'; });
    return bareComName ? "\\\\.\\" + device : device;
}

} // namespace

std::string defaultSerialDevicePath(unsigned portIndex)
{
    return "\\\\.\\COM" + std::to_string(portIndex + 1);
}

struct CSerialPort::CSystemPort {
    HANDLE port = INVALID_HANDLE_VALUE;
    HANDLE wake = nullptr;  // set by interrupt()
    OVERLAPPED io{};        // reads and writes, one at a time
    OVERLAPPED eventWait{}; // the wait for a received byte, which may outlive one receive()
    DWORD events = 0;
    bool waiting = false;

    ~CSystemPort()
    {
        if (port != INVALID_HANDLE_VALUE) {
            CancelIoEx(port, nullptr);
            if (waiting) {
                DWORD ignored = 0;
                GetOverlappedResult(port, &eventWait, &ignored, TRUE);
            }
            CloseHandle(port);
        }
        for (HANDLE h : {wake, io.hEvent, eventWait.hEvent}) {
            if (h)
                CloseHandle(h);
        }
    }

    // Runs an overlapped read or write to its end; the bytes moved, or false with the system's error.
    bool finish(BOOL started, DWORD& moved, DWORD stallMs)
    {
        if (started)
            return GetOverlappedResult(port, &io, &moved, FALSE);
        if (GetLastError() != ERROR_IO_PENDING)
            return false;
        if (WaitForSingleObject(io.hEvent, stallMs) == WAIT_TIMEOUT) {
            CancelIoEx(port, &io); // not the wait for a byte, which may be pending too
            GetOverlappedResult(port, &io, &moved, TRUE);
            SetLastError(ERROR_TIMEOUT);
            return false;
        }
        return GetOverlappedResult(port, &io, &moved, FALSE);
    }

    // Reads everything that has arrived (as many bytes as the driver says it holds, so the read never
    // waits); false with the system's error on a failure.
    bool readAvailable(Bytes& into)
    {
        std::uint8_t chunk[4096];
        for (;;) {
            COMSTAT status{};
            DWORD errors = 0;
            if (!ClearCommError(port, &errors, &status))
                return false;
            if (status.cbInQue == 0)
                return true;
            DWORD got = 0;
            const DWORD want = std::min<DWORD>(status.cbInQue, sizeof chunk);
            if (!finish(ReadFile(port, chunk, want, nullptr, &io), got, INFINITE))
                return false;
            into.insert(into.end(), chunk, chunk + got);
        }
    }
};

CSerialPort::CSerialPort(std::unique_ptr<CSystemPort> port, std::string device)
    : m_port(std::move(port)), m_device(std::move(device))
{
}

CSerialPort::~CSerialPort() = default;

Result<std::unique_ptr<CSerialPort>> CSerialPort::open(const std::string& device, const std::string& label)
{
    const auto refuse = [&](DWORD error) { return openFailure(device, label, reasonFor(error)); };
    auto port = std::make_unique<CSystemPort>();
    port->port = CreateFileW(FilePath(deviceName(device)).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (port->port == INVALID_HANDLE_VALUE)
        return refuse(GetLastError());
    port->wake = newEvent(false);
    port->io.hEvent = newEvent(true);
    port->eventWait.hEvent = newEvent(true);
    if (!port->wake || !port->io.hEvent || !port->eventWait.hEvent)
        return refuse(GetLastError());
    if (GetFileType(port->port) != FILE_TYPE_CHAR || !configureLine(port->port))
        return refuse(GetFileType(port->port) != FILE_TYPE_CHAR ? ERROR_NOT_SUPPORTED : GetLastError());
    return std::unique_ptr<CSerialPort>(new CSerialPort(std::move(port), device));
}

CError CSerialPort::failure(const std::string& what, unsigned long error) const
{
    return makeError(m_device + ": " + what + ": " + std::system_category().message(static_cast<int>(error)),
                     "Download data");
}

Status CSerialPort::send(const Bytes& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 16));
        DWORD sent = 0;
        if (!m_port->finish(WriteFile(m_port->port, bytes.data() + done, chunk, nullptr, &m_port->io), sent,
                            kWriteStallMs))
            return failure("cannot send", GetLastError());
        done += sent;
    }
    return Ok{};
}

Result<CByteLink::Wake> CSerialPort::receive(Bytes& into, Clock::time_point deadline)
{
    CSystemPort& p = *m_port;
    const std::size_t before = into.size();
    for (;;) {
        if (!p.readAvailable(into))
            return failure("connection lost", GetLastError());
        if (into.size() > before)
            return Wake::Data;
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return Wake::Deadline;
        if (!p.waiting) {
            ResetEvent(p.eventWait.hEvent);
            if (WaitCommEvent(p.port, &p.events, &p.eventWait))
                continue; // a byte came already
            if (GetLastError() != ERROR_IO_PENDING)
                return failure("cannot wait", GetLastError());
            p.waiting = true;
        }
        // A byte that came between the read above and the start of the wait does not end the wait.
        COMSTAT status{};
        DWORD errors = 0;
        if (ClearCommError(p.port, &errors, &status) && status.cbInQue > 0)
            continue;
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        const HANDLE events[2] = {p.wake, p.eventWait.hEvent};
        const DWORD woke =
            WaitForMultipleObjects(2, events, FALSE, static_cast<DWORD>(std::min<long long>(ms, 60000)));
        if (woke == WAIT_OBJECT_0)
            return Wake::Interrupted;
        if (woke == WAIT_OBJECT_0 + 1) {
            DWORD ignored = 0;
            if (GetOverlappedResult(p.port, &p.eventWait, &ignored, FALSE))
                p.waiting = false;
            else if (GetLastError() == ERROR_OPERATION_ABORTED) // the driver's mask or state changed
                p.waiting = false;
            else if (GetLastError() == ERROR_IO_INCOMPLETE) // signalled before its result was set
                Sleep(1);                                   // (seen under Wine): the wait goes on
            else
                return failure("connection lost", GetLastError());
        } else if (woke == WAIT_FAILED) {
            return failure("cannot wait", GetLastError());
        }
    }
}

void CSerialPort::interrupt()
{
    SetEvent(m_port->wake);
}

void CSerialPort::pulseReset()
{
    EscapeCommFunction(m_port->port, SETRTS);
    EscapeCommFunction(m_port->port, CLRRTS);
}

} // namespace zl
