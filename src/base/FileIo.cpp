#include "base/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zl {
namespace {

CError systemError(const std::string& what, const std::string& path, int error)
{
    return makeError(what + " " + path + ": " + std::strerror(error));
}

// Closes the descriptor when it goes out of scope.
class CFd {
public:
    explicit CFd(int fd) : m_fd(fd) {}
    ~CFd() { close(); }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and returns 0 or the errno of the failure (a delayed write error shows here).
    int close()
    {
        if (m_fd < 0)
            return 0;
        const int r = ::close(m_fd);
        m_fd = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Writes all of `data`; 0 or the errno of the failure.
int writeAll(int fd, const Bytes& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// A new file beside `path` that no one else uses, created with the usual permissions (0666 less umask).
int createTemporary(const std::string& path, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

Status writeDirectly(const std::string& path, const Bytes& data)
{
    CFd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!fd.valid())
        return systemError("Cannot write", path, errno);
    if (const int e = writeAll(fd.get(), data))
        return systemError("Cannot write", path, e);
    if (const int e = fd.close())
        return systemError("Cannot write", path, e);
    return Ok{};
}

} // namespace

Result<Bytes> ReadWholeFile(const std::string& path)
{
    CFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return systemError("Cannot open", path, errno);
    Bytes data;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode))
        data.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemError("Cannot read", path, errno);
        }
        if (n == 0)
            break;
        data.insert(data.end(), chunk, chunk + n);
    }
    return data;
}

Status WriteFileSafely(const std::string& path, const Bytes& data)
{
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? systemError("Cannot write", path, EISDIR) : writeDirectly(path, data);

    std::string tempPath;
    CFd fd(createTemporary(path, tempPath));
    if (!fd.valid())
        return systemError("Cannot write", path, errno);
    if (exists)
        ::fchmod(fd.get(), st.st_mode & 07777); // keep the old file's permissions
    int e = writeAll(fd.get(), data);
    if (!e && ::fsync(fd.get()) != 0)
        e = errno;
    if (const int closed = fd.close(); !e)
        e = closed;
    if (!e && ::rename(tempPath.c_str(), path.c_str()) != 0)
        e = errno;
    if (e) {
        ::unlink(tempPath.c_str());
        return systemError("Cannot write", path, e);
    }
    // Make the rename itself durable.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    CFd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
    return Ok{};
}

} // namespace zl
