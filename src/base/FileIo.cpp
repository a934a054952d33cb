#include "base/FileIo.h"

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace zl
{
namespace
{

// Errors of the operating system's part below carry the reason alone; the portable part names the file.
CError reason(const std::string& text)
{
    return makeError(text);
}

// ---------------------------------------------------------------------------------------------------
// The operating system's part (POSIX): every system call of this file is in the functions of this block.

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
    const auto tooLarge = [limit](std::uint64_t size) {
        return reason("too large: " + std::to_string(size) + " bytes, more than the " +
                      std::to_string(limit) + " bytes an input can have");
    };
    if (static_cast<std::uint64_t>(st.st_size) > limit)
        return tooLarge(static_cast<std::uint64_t>(st.st_size));
    // The size is only a hint (files under /proc show 0, a file may grow): read at most one byte more.
    Bytes data(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got > limit)
                return tooLarge(got);
            data.resize(std::min(limit + 1, data.size() * 2 + 4096));
        }
        const ssize_t n = ::read(fd.get(), data.data() + got, data.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemReason(errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return data;
}

// A new file with a short name in `target`'s folder, so that a target name near the file system's
// limit still leaves room; it takes the target's permissions, or the usual ones (0666 less umask).
Result<std::string> createTemporary(const std::string& target, int& fd)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = fs::path(target).parent_path();
    std::string tempPath;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            ".zl410-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        tempPath = (folder / name).string();
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            break;
        if (errno == EEXIST)
            continue;
        // A folder that exists but takes no new files (/proc) says "No such file or directory".
        struct stat st {
        };
        const std::string where = folder.empty() ? "." : folder.string();
        if (errno == ENOENT && ::stat(where.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return reason("the folder " + where + " does not take new files");
        return systemReason(errno);
    }
    if (fd < 0)
        return systemReason(EEXIST);
    struct stat st {
    };
    if (::stat(target.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    return tempPath;
}

// Writes `data` to a new temporary file beside `target` and flushes it to the disk; its path.
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

// A device or a pipe: written in place. A pipe that no process reads is refused instead of waited on.
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

// Renames the complete temporary over its target.
Status replaceWith(const std::string& tempPath, const std::string& target)
{
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return systemReason(errno);
    return Ok{};
}

// Makes a rename in `target`'s folder durable.
void syncFolder(const std::string& target)
{
    const fs::path folder = fs::path(target).parent_path();
    CFd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

void ignoreFileSizeSignal()
{
    ::signal(SIGXFSZ, SIG_IGN);
}

// End of the operating system's part.
// ---------------------------------------------------------------------------------------------------

// Temporaries of a write still to be renamed: removed unless the write completes.
class CTemporaries
{
public:
    CTemporaries() = default;
    CTemporaries(const CTemporaries&) = delete;
    CTemporaries& operator=(const CTemporaries&) = delete;
    ~CTemporaries()
    {
        for (const std::string& path : m_paths) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }
    void add(std::string path) { m_paths.push_back(std::move(path)); }
    void renamed(const std::string& path) { std::erase(m_paths, path); }

private:
    std::vector<std::string> m_paths;
};

} // namespace

CError FileError(const std::string& path, const std::string& why)
{
    return makeError("Open file" + path + " error! (" + why + ")");
}

Result<Bytes> ReadWholeFile(const std::string& path, std::size_t limit)
{
    auto data = readRegularFile(path, limit);
    if (!data)
        return FileError(path, data.error().text);
    return data;
}

void ReportFileSizeLimitAsError()
{
    ignoreFileSizeSignal();
}

std::string WriteTarget(const std::string& path)
{
    fs::path p = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            break;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.string();
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec))
        return fs::equivalent(a, b, ec);
    const auto real = [](const std::string& path, std::error_code& e) {
        return fs::weakly_canonical(fs::absolute(WriteTarget(path), e), e).lexically_normal();
    };
    std::error_code ea, eb;
    const fs::path ra = real(a, ea);
    const fs::path rb = real(b, eb);
    return !ea && !eb && ra == rb;
}

Status WriteFilesSafely(std::span<const CFileWrite> files)
{
    struct Planned {
        const CFileWrite* file;
        std::string target;
        bool direct; // an existing device or pipe
        std::string tempPath;
    };
    std::vector<Planned> plan;
    for (const CFileWrite& f : files) {
        std::string target = WriteTarget(f.path);
        std::error_code ec;
        const fs::file_type type = fs::status(target, ec).type();
        if (ec && type != fs::file_type::not_found)
            return FileError(f.path, ec.message());
        if (type == fs::file_type::directory)
            return FileError(f.path, std::make_error_code(std::errc::is_a_directory).message());
        const bool direct = type != fs::file_type::not_found && type != fs::file_type::regular;
        plan.push_back({&f, std::move(target), direct, {}});
    }

    CTemporaries temporaries;
    for (Planned& p : plan) {
        if (p.direct)
            continue;
        auto tempPath = writeTemporary(p.target, p.file->data);
        if (!tempPath)
            return FileError(p.file->path, tempPath.error().text);
        p.tempPath = *tempPath;
        temporaries.add(p.tempPath);
    }
    for (const Planned& p : plan) {
        if (!p.direct)
            continue;
        if (Status written = writeDirectly(p.target, p.file->data); !written)
            return FileError(p.file->path, written.error().text);
    }
    for (const Planned& p : plan) {
        if (p.direct)
            continue;
        if (Status replaced = replaceWith(p.tempPath, p.target); !replaced)
            return FileError(p.file->path, replaced.error().text);
        temporaries.renamed(p.tempPath);
        syncFolder(p.target);
    }
    return Ok{};
}

Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> data)
{
    const CFileWrite file{path, data};
    return WriteFilesSafely(std::span(&file, 1));
}

} // namespace zl
