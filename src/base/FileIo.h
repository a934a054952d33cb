#pragma once
// Bounded whole-file reading and safe whole-file writing, of one file or of several files as one.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl
{

// The largest input file read. A project the panel can take compiles into an image of 32,768 bytes in
// which every window costs at least 9 bytes and every component at least 3 bytes and its record, so its
// file holds fewer than 3,700 windows and a few thousand components: a few megabytes at most (1,000
// windows of 10 components each make 1.7 MB). 16 MiB leaves a wide margin above that, and refusing
// anything larger before reading it keeps memory bounded whatever file is named.
constexpr std::size_t kMaxInputFileSize = std::size_t{16} << 20;
// The largest settings file read ("In.dat" holds two bytes, "zl410.conf" a few lines).
constexpr std::size_t kMaxSettingsFileSize = std::size_t{64} << 10;

// Paths are UTF-8 strings throughout the program. These give the system's form of one and back; on
// Windows that is a wide string, so that names in any script reach the file system whole. Open files
// through FilePath(path), never through the narrow string itself.
std::filesystem::path FilePath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

// How a file that cannot be opened, read or written is reported: "Open file<path> error!" followed by
// the reason in parentheses ("No such file or directory", "not a regular file", ...).
CError FileError(const std::string& path, const std::string& reason);

// The bytes of the regular file at `path`. A directory, a device or a pipe is refused without reading
// from it, and so is a file larger than `limit`. Errors as FileError.
Result<Bytes> ReadWholeFile(const std::string& path, std::size_t limit = kMaxInputFileSize);

// The bytes of a settings file, read as ReadWholeFile does with kMaxSettingsFileSize; nullopt when there
// is none, for the caller's defaults.
Result<std::optional<Bytes>> ReadSettingsFile(const std::string& path);

// One file of a safe write.
struct CFileWrite {
    std::string path;
    std::span<const std::uint8_t> data;
};

// Writes every file to a temporary file in its target's folder, flushes it to the disk, and only when
// all of them are complete renames them over their targets; a failure (no space, no permission, a file
// size limit, a rename refused) leaves every target as it was and no temporary behind. Before anything
// is written, every target is checked to be replaceable: a target the user could not write to in place
// (read-only, or someone else's in a folder with the sticky bit) is refused, as the shell refuses it.
// A replaced file keeps its mode and group, and its owner where the system allows. A target that is a
// symbolic link writes the file the link points to (a dangling link: the path it names). A target that
// exists and is a device or a pipe is written directly, after the temporaries are complete; a pipe that
// no process reads is refused rather than waited on. Errors as FileError.
Status WriteFilesSafely(std::span<const CFileWrite> files);
Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> data);

// Whether a safe write to `path` could go ahead now: the checks above, and a temporary created and
// removed beside the target. For a command that writes its output only when it ends. Errors as
// FileError.
Status CheckWritable(const std::string& path);

// Makes a write past the process's file size limit (ulimit -f) fail with "File too large" instead of
// ending the program, so that the save reports it and removes its temporary. Called once by main().
void ReportFileSizeLimitAsError();

// The file a write to `path` replaces: symbolic links in its last part followed, relative to their
// folders, as far as they lead (a dangling link gives the path it names).
std::string WriteTarget(const std::string& path);

// Whether `a` and `b` name the same file: the same existing file reached by whatever path or link, or
// the same not yet existing path once links are followed and "." and ".." resolved.
bool SameFile(const std::string& a, const std::string& b);

} // namespace zl
