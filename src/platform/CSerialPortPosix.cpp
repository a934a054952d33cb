#include "platform/CSerialPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zl
{
namespace
{

constexpr int kWriteStallMs = 2000;

// Why a device cannot be opened, for CSerialPort::openFailure.
std::string reasonFor(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "no such device. Is the adapter plugged in, and is this the right port?";
    case EACCES:
    case EPERM:
        return "permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER, then "
               "log in again), or install the program's udev rule for USB serial adapters.";
    case EBUSY:
    case EWOULDBLOCK:
        return " is busy: another program is using it.";
    case ENOTTY:
        return " is not a serial port.";
    default:
        return std::string(std::strerror(error)) + ".";
    }
}

// Raw bytes at 115200 baud, 8N1, no flow control; reads never block.
bool configureLine(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

// USB serial drivers otherwise hold received bytes back for up to 16 ms; not every driver offers it.
void askLowLatency(int fd)
{
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ioctl(fd, TIOCSSERIAL, &serial);
    }
}

// Reads everything available without blocking; false with errno on a failure.
bool readAvailable(int fd, Bytes& into)
{
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            into.insert(into.end(), chunk, chunk + n);
            continue;
        }
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            return true;
        if (errno != EINTR)
            return false;
    }
}

timespec untilDeadline(CByteLink::Clock::time_point deadline)
{
    const auto left = std::max(deadline - CByteLink::Clock::now(), CByteLink::Clock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

} // namespace

std::string defaultSerialDevicePath(unsigned portIndex)
{
    return "/dev/ttyS" + std::to_string(portIndex);
}

CSerialPort::CSerialPort(int fd, int wakeFd, std::string device)
    : m_fd(fd), m_wakeFd(wakeFd), m_device(std::move(device))
{
}

CSerialPort::~CSerialPort()
{
    ::close(m_fd);
    ::close(m_wakeFd);
    if (m_heldFd >= 0)
        ::close(m_heldFd);
}

Result<std::unique_ptr<CSerialPort>> CSerialPort::open(const std::string& device, const std::string& label)
{
    const auto refuse = [&](int error) { return openFailure(device, label, reasonFor(error)); };
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refuse(errno);
    int error = 0;
    if (!isatty(fd))
        error = ENOTTY;
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = errno;
    else if (!configureLine(fd))
        error = errno;
    const int wakeFd = error ? -1 : eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (!error && wakeFd < 0)
        error = errno;
    if (error) {
        ::close(fd);
        return refuse(error);
    }
    askLowLatency(fd);
    tcflush(fd, TCIOFLUSH); // stale bytes of an earlier session
    return std::unique_ptr<CSerialPort>(new CSerialPort(fd, wakeFd, device));
}

CError CSerialPort::failure(const std::string& what, int error) const
{
    return makeError(m_device + ": " + what + ": " + std::strerror(error), "Download data");
}

Status CSerialPort::send(const Bytes& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return failure("cannot send", errno);
        pollfd out{m_fd, POLLOUT, 0};
        const int ready = ::poll(&out, 1, kWriteStallMs);
        if (ready == 0)
            return failure("cannot send", ETIMEDOUT);
        if (ready < 0 && errno != EINTR)
            return failure("cannot send", errno);
        if (ready > 0 && (out.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return failure("cannot send", EIO);
    }
    return Ok{};
}

Result<CByteLink::Wake> CSerialPort::receive(Bytes& into, Clock::time_point deadline)
{
    const std::size_t before = into.size();
    for (;;) {
        if (!readAvailable(m_fd, into))
            return failure("connection lost", errno);
        if (into.size() > before)
            return Wake::Data;
        if (Clock::now() >= deadline)
            return Wake::Deadline;
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
        const timespec timeout = untilDeadline(deadline);
        if (::ppoll(fds, 2, &timeout, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            return failure("cannot wait", errno);
        }
        if (fds[1].revents & POLLIN) {
            eventfd_t count = 0;
            eventfd_read(m_wakeFd, &count);
            return Wake::Interrupted;
        }
        if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) && !(fds[0].revents & POLLIN))
            return failure("connection lost", EIO);
    }
}

void CSerialPort::interrupt()
{
    eventfd_write(m_wakeFd, 1);
}

void CSerialPort::pulseReset()
{
    // Pseudo-terminals have no modem lines; a failure here changes nothing for the transfer.
    int rts = TIOCM_RTS;
    ioctl(m_fd, TIOCMBIS, &rts);
    ioctl(m_fd, TIOCMBIC, &rts);
}

Result<CPseudoTerminal> CPseudoTerminal::open()
{
    const auto fail = [](const std::string& what) {
        return makeError("Cannot create a pseudo-terminal: " + what + ": " + std::strerror(errno));
    };
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0)
        return fail("posix_openpt");
    char name[128] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
        const CError e = fail("unlockpt");
        ::close(master);
        return e;
    }
    // Holding the tool's side open keeps the line up between downloads, and making it raw at once keeps
    // the line discipline from echoing or buffering before the tool opens it.
    const int held = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (held < 0 || wakeFd < 0 || !configureLine(held)) {
        const CError e = fail(name);
        ::close(master);
        if (held >= 0)
            ::close(held);
        if (wakeFd >= 0)
            ::close(wakeFd);
        return e;
    }
    CPseudoTerminal pty;
    pty.panel.reset(new CSerialPort(master, wakeFd, "pseudo-terminal master"));
    pty.panel->m_heldFd = held;
    pty.toolPath = name;
    return pty;
}

} // namespace zl
