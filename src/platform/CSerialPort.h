#pragma once
// The serial port as the download's byte link: termios at 115200 baud, 8 data bits, no parity, 1 stop
// bit, raw. A wait wakes as soon as bytes arrive (poll), or when interrupted through an eventfd.
#include <memory>
#include <string>

#include "download/CByteLink.h"

namespace zl
{

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
    friend struct CPseudoTerminal;
    CSerialPort(int fd, int wakeFd, std::string device);
    CError failure(const std::string& what, int error) const;

    int m_fd;
    int m_wakeFd;
    int m_heldFd = -1; // a pseudo-terminal's other side, kept open so the line never hangs up
    std::string m_device;
};

// A pseudo-terminal pair for the panel simulator: `panel` is the master side; the tool opens `toolPath`.
struct CPseudoTerminal {
    std::unique_ptr<CSerialPort> panel;
    std::string toolPath;

    static Result<CPseudoTerminal> open();
};

} // namespace zl
