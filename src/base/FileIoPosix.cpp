// The operating system's part of file I/O on POSIX systems.
#include "base/FileIoSystem.h"

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zl::fileio
{
namespace
{

namespace fs = std::filesystem;

CError systemReason(int error)
{
    return reason(std::strerror(error));
}

// Closes the descriptor when it goes out of scope.
class CFd
{
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
int writeAll(int fd, std::span<const std::uint8_t> data)
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

// A new temporary beside `target`; it takes the target's permissions, or the usual ones (0666 less
// umask).
Result<std::string> createTemporary(const std::string& target, int& fd)
{
    std::string tempPath;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryBeside(target);
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            break;
        if (errno == EEXIST)
            continue;
        // A folder that exists but takes no new files (/proc) says "No such file or directory".
        struct stat st {
        };
        const fs::path folder = fs::path(target).parent_path();
        const std::string where = folder.empty() ? "." : folder.string();
        if (errno == ENOENT && ::stat(where.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return reason("the folder " + where + " does not take new files");
        return systemReason(errno);
    }
    if (fd < 0)
        return systemReason(EEXIST);
    // The replacement keeps the target's owner where the system allows that (root), else its group
    // where the user belongs to it; then its mode, as a change of owner clears the set-id bits.
    struct stat st {
    };
    if (::stat(target.c_str(), &st) == 0) {
        const bool ownerKept = ::fchown(fd, st.st_uid, st.st_gid) == 0;
        const bool groupKept = ownerKept || ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) == 0;
        (void)groupKept; // else the user's own group, no reason to refuse the save
        ::fchmod(fd, st.st_mode & 07777);
    }
    return tempPath;
}

} // namespace

unsigned long processId()
{
    return static_cast<unsigned long>(::getpid());
}

Status checkReplaceable(const std::string& target)
{
    struct stat st {
    };
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? Status(Ok{}) : systemReason(errno);
    // The shell's test, with the effective user's rights.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return systemReason(errno);
    // A folder with the sticky bit (/tmp) lets only the file's owner, the folder's owner or a privileged
    // user replace a file in it.
    const fs::path folder = fs::path(target).parent_path();
    struct stat dir {
    };
    const uid_t user = ::geteuid();
    if (S_ISREG(st.st_mode) && user != 0 && st.st_uid != user &&
        ::stat(folder.empty() ? "." : folder.c_str(), &dir) == 0 && (dir.st_mode & S_ISVTX) &&
        dir.st_uid != user)
        return reason(std::string(std::strerror(EPERM)) +
                      ": in this folder only the file's owner may replace it");
    return Ok{};
}

Result<Bytes> readRegularFile(const std::string& path, std::size_t limit)
{
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    CFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return systemReason(errno);
    struct stat st {
    };
    if (::fstat(fd.get(), &st) != 0)
        return systemReason(errno);
    if (S_ISDIR(st.st_mode))
        return systemReason(EISDIR);
    if (!S_ISREG(st.st_mode))
        return reason("not a regular file");
    return readBounded(static_cast<std::uint64_t>(st.st_size), limit,
                       [&](std::uint8_t* into, std::size_t room) -> Result<std::size_t> {
                           for (;;) {
                               const ssize_t n = ::read(fd.get(), into, room);
                               if (n >= 0)
                                   return static_cast<std::size_t>(n);
                               if (errno != EINTR)
                                   return systemReason(errno);
                           }
                       });
}

Result<std::string> writeTemporary(const std::string& target, std::span<const std::uint8_t> data)
{
    int raw = -1;
    auto tempPath = createTemporary(target, raw);
    if (!tempPath)
        return tempPath;
    CFd fd(raw);
    int e = writeAll(fd.get(), data);
    if (!e && ::fsync(fd.get()) != 0)
        e = errno;
    if (const int closed = fd.close(); !e)
        e = closed;
    if (e) {
        ::unlink(tempPath->c_str());
        return systemReason(e);
    }
    return tempPath;
}

// A pipe that no process reads is refused instead of waited on.
Status writeDirectly(const std::string& target, std::span<const std::uint8_t> data)
{
    CFd fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return errno == ENXIO ? reason("a pipe that no process reads") : systemReason(errno);
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (const int e = writeAll(fd.get(), data))
        return systemReason(e);
    if (const int e = fd.close())
        return systemReason(e);
    return Ok{};
}

// A rename, made durable by flushing the folder.
Status replaceWith(const std::string& tempPath, const std::string& target)
{
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return systemReason(errno);
    const fs::path folder = fs::path(target).parent_path();
    CFd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
    return Ok{};
}

void ignoreFileSizeSignal()
{
    ::signal(SIGXFSZ, SIG_IGN);
}

} // namespace zl::fileio
