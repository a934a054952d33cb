#pragma once
// What the file I/O of FileIo.cpp asks of the operating system, one implementation per system
// (FileIoPosix.cpp, FileIoWindows.cpp), and the portable helpers both use. Paths are UTF-8 throughout;
// each system makes its own form of them. Errors carry the reason alone: FileIo.cpp names the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "base/Bytes.h"
#include "base/FileIo.h"
#include "base/Result.h"

namespace zl::fileio
{

// Portable, in FileIo.cpp.
CError reason(const std::string& text);
// Reads through `read` (which returns 0 at the end) at most `limit` bytes, refusing more; `sizeHint` is
// the size the system gave, which may be wrong (files under /proc show 0, a file may grow).
using ReadSome = std::function<Result<std::size_t>(std::uint8_t* into, std::size_t room)>;
Result<Bytes> readBounded(std::uint64_t sizeHint, std::size_t limit, const ReadSome& read);
// A fresh short name in `target`'s folder for a temporary, so that a target name near the file system's
// limit still leaves room.
std::string temporaryBeside(const std::string& target);

// One file of a write of several: its complete temporary and the target it replaces; `path` is the name
// the caller gave, for messages.
struct CStaged {
    std::string path;
    std::string tempPath;
    std::string target;
};
using Replace = std::function<Status(const std::string& tempPath, const std::string& target)>;
// Puts every temporary in place of its target through `replace`, in order. The previous file of every
// target but the last is kept under a second name first (a hard link, else a copy), so that when a
// later step fails, each target already replaced gets its previous file back (or is removed when it had
// none) and the failure is returned; nothing is replaced when a previous file cannot be kept. The kept
// files are removed at the end. Temporaries not put in place are the caller's. Errors as FileError.
Status replaceAll(std::span<const CStaged> staged, const Replace& replace);

// The system's part.
unsigned long processId();
Result<Bytes> readRegularFile(const std::string& path, std::size_t limit);
// Refuses an existing `target` that the user could not write to in place: read-only to them (by the
// system's own test, under which root may write a read-only file), or, on POSIX, someone else's in a
// folder with the sticky bit. A missing target passes.
Status checkReplaceable(const std::string& target);
// Writes `data` to a new temporary file beside `target` and flushes it to the disk; its path. A failure
// leaves no temporary.
Result<std::string> writeTemporary(const std::string& target, std::span<const std::uint8_t> data);
// Writes an existing device or pipe in place.
Status writeDirectly(const std::string& target, std::span<const std::uint8_t> data);
// Puts the complete temporary in place of its target in one step, durably.
Status replaceWith(const std::string& tempPath, const std::string& target);
void ignoreFileSizeSignal();

} // namespace zl::fileio
