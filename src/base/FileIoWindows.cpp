// The operating system's part of file I/O on Windows. Paths arrive as UTF-8 and go to the system as
// wide strings.
#include "base/FileIoSystem.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace zl::fileio
{
namespace
{

// The reason of a system error: the common ones worded as on the other platforms, so that messages
// read the same everywhere.
CError systemReason(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return reason(std::generic_category().message(ENOENT));
    case ERROR_ACCESS_DENIED:
        return reason(std::generic_category().message(EACCES));
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return reason(std::generic_category().message(ENOSPC));
    case ERROR_WRITE_PROTECT:
        return reason(std::generic_category().message(EROFS));
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return reason("in use by another program");
    default:
        return reason(std::system_category().message(static_cast<int>(error)));
    }
}

CError lastReason()
{
    return systemReason(GetLastError());
}

std::wstring wide(const std::string& path)
{
    return FilePath(path).wstring();
}

// Closes the handle when it goes out of scope.
class CHandle
{
public:
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    ~CHandle() { close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Closes now; false with the system's error set when that fails.
    bool close()
    {
        if (!valid())
            return true;
        const bool closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// Writes all of `data`; false with the system's error set when that fails.
bool writeAll(HANDLE file, std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data.data() + done, chunk, &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

} // namespace

unsigned long processId()
{
    return GetCurrentProcessId();
}

// Windows refuses to replace a file with the read-only attribute, as Explorer and the shell do.
Status checkReplaceable(const std::string& target)
{
    const DWORD attributes = GetFileAttributesW(wide(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return reason(std::generic_category().message(EACCES) + ": the file is read-only");
    return Ok{};
}

Result<Bytes> readRegularFile(const std::string& path, std::size_t limit)
{
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return reason(std::generic_category().message(EISDIR));
    CHandle file(CreateFileW(name.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastReason();
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return reason("not a regular file");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return lastReason();
    return readBounded(static_cast<std::uint64_t>(size.QuadPart), limit,
                       [&](std::uint8_t* into, std::size_t room) -> Result<std::size_t> {
                           DWORD got = 0;
                           const auto chunk = static_cast<DWORD>(std::min<std::size_t>(room, 1u << 30));
                           if (!ReadFile(file.get(), into, chunk, &got, nullptr))
                               return lastReason();
                           return std::size_t{got};
                       });
}

Result<std::string> writeTemporary(const std::string& target, std::span<const std::uint8_t> data)
{
    std::wstring tempPath;
    HANDLE raw = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && raw == INVALID_HANDLE_VALUE; ++attempt) {
        tempPath = wide(temporaryBeside(target));
        raw = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
        if (raw == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return lastReason();
    }
    if (raw == INVALID_HANDLE_VALUE)
        return lastReason();
    CHandle file(raw);
    const bool done = writeAll(file.get(), data) && FlushFileBuffers(file.get());
    const DWORD error = done ? 0 : GetLastError();
    if (!file.close() || !done) {
        const CError why = systemReason(done ? GetLastError() : error);
        DeleteFileW(tempPath.c_str());
        return why;
    }
    return Utf8Path(std::filesystem::path(tempPath));
}

Status writeDirectly(const std::string& target, std::span<const std::uint8_t> data)
{
    CHandle file(CreateFileW(wide(target).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !writeAll(file.get(), data) || !file.close())
        return lastReason();
    return Ok{};
}

// Replacing is atomic on one volume, and MOVEFILE_WRITE_THROUGH returns only once the move is on the
// disk. Virus scanners and indexers open a fresh file for a moment without letting it be replaced, so a
// refusal is tried again for about a second before it counts.
Status replaceWith(const std::string& tempPath, const std::string& target)
{
    constexpr int kTries = 20;
    constexpr DWORD kPauseMs = 50;
    const std::wstring from = wide(tempPath), to = wide(target);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return Ok{};
        const DWORD error = GetLastError();
        if (attempt == kTries || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return systemReason(error);
        Sleep(kPauseMs);
    }
}

void ignoreFileSizeSignal() {}

} // namespace zl::fileio
