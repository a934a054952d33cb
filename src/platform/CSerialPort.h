#pragma once
// The serial port as the download's byte link at 115200 baud, 8 data bits, no parity, 1 stop bit, raw. A
// wait wakes as soon as bytes arrive or when interrupted. One implementation per system:
// CSerialPortPosix.cpp (termios, poll, an eventfd to interrupt) and CSerialPortWindows.cpp (a COM port
// with overlapped I/O, an event to interrupt).
#include <memory>
#include <string>

#include "download/CByteLink.h"

namespace zl
{

// The device behind COM<portIndex + 1> until the user maps it elsewhere: /dev/ttyS0 … on Linux,
// \\.\COM1 … on Windows (the form that also reaches COM10 and above).
std::string defaultSerialDevicePath(unsigned portIndex);

class CSerialPort : public CByteLink
{
public:
    // Opens `device`. Failures read "Cannot open the serial port" + `label` + "!" and the reason: no such
    // device, permission denied (dialout group, udev rule), busy.
    static Result<std::unique_ptr<CSerialPort>> open(const std::string& device, const std::string& label);
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    Status send(const Bytes& bytes) override;
    Result<Wake> receive(Bytes& into, Clock::time_point deadline) override;
    void interrupt() override;
    void pulseReset() override;

    const std::string& device() const { return m_device; }

private:
    // "Cannot open the serial port" + `label` + "!" and, on a line of its own, `reason` said of `device`:
    // a reason either goes on from the device's name (" is busy: ...") or describes it ("no such
    // device. ..."). The device is not named again where the label names it already (--port DEVICE).
    static CError openFailure(const std::string& device, const std::string& label, std::string reason);

#ifdef _WIN32
    struct CSystemPort; // the handles and the pending wait, in CSerialPortWindows.cpp
    CSerialPort(std::unique_ptr<CSystemPort> port, std::string device);
    CError failure(const std::string& what, unsigned long error) const;

    std::unique_ptr<CSystemPort> m_port;
#else
    friend struct CPseudoTerminal;
    CSerialPort(int fd, int wakeFd, std::string device);
    CError failure(const std::string& what, int error) const;

    int m_fd;
    int m_wakeFd;
    int m_heldFd = -1; // a pseudo-terminal's other side, kept open so the line never hangs up
#endif
    std::string m_device;
};

#ifndef _WIN32

// A pseudo-terminal pair for the panel simulator: `panel` is the master side; the tool opens `toolPath`.
struct CPseudoTerminal {
    std::unique_ptr<CSerialPort> panel;
    std::string toolPath;

    static Result<CPseudoTerminal> open();
};
#endif

} // namespace zl
