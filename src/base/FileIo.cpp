// Reading and safe writing, the same on every system; what differs sits behind FileIoSystem.h.
#include "base/FileIo.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <vector>

#include "base/FileIoSystem.h"

namespace fs = std::filesystem;

namespace zl
{

CError fileio::reason(const std::string& text)
{
    return makeError(text);
}

fs::path FilePath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Path(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

Result<Bytes> fileio::readBounded(std::uint64_t sizeHint, std::size_t limit, const ReadSome& read)
{
    const auto tooLarge = [limit](std::uint64_t size) {
        return reason("too large: " + std::to_string(size) + " bytes, more than the " +
                      std::to_string(limit) + " bytes an input can have");
    };
    if (sizeHint > limit)
        return tooLarge(sizeHint);
    // Read at most one byte more than the limit, whatever the size said.
    Bytes data(static_cast<std::size_t>(sizeHint) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got > limit)
                return tooLarge(got);
            data.resize(std::min(limit + 1, data.size() * 2 + 4096));
        }
        const Result<std::size_t> n = read(data.data() + got, data.size() - got);
        if (!n)
            return n.error();
        if (*n == 0)
            break;
        got += *n;
    }
    data.resize(got);
    return data;
}

std::string fileio::temporaryBeside(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const std::string name =
        ".zl410-" + std::to_string(processId()) + "-" + std::to_string(counter++) + ".tmp";
    return Utf8Path(FilePath(target).parent_path() / name);
}

namespace
{

using namespace fileio;

// Temporaries of a write: removed unless the write completes (one already renamed is gone by then).
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
            fs::remove(FilePath(path), ignored);
        }
    }
    void add(std::string path) { m_paths.push_back(std::move(path)); }
    void release() { m_paths.clear(); }

private:
    std::vector<std::string> m_paths;
};

// A target of a write, checked before anything is written.
struct CPlanned {
    std::string target;
    bool direct; // an existing device or pipe, written in place
};

Result<CPlanned> plan(const std::string& path)
{
    std::string target = WriteTarget(path);
    std::error_code ec;
    const fs::file_type type = fs::status(FilePath(target), ec).type();
    if (ec && type != fs::file_type::not_found)
        return FileError(path, ec.message());
    if (type == fs::file_type::directory)
        return FileError(path, std::make_error_code(std::errc::is_a_directory).message());
    if (Status replaceable = checkReplaceable(target); !replaceable)
        return FileError(path, replaceable.error().text);
    const bool direct = type != fs::file_type::not_found && type != fs::file_type::regular;
    return CPlanned{std::move(target), direct};
}

// The previous files of the targets of a write of several files, kept under a second name beside each
// until the write completes or is undone.
class CPreviousFiles
{
public:
    CPreviousFiles() = default;
    CPreviousFiles(const CPreviousFiles&) = delete;
    CPreviousFiles& operator=(const CPreviousFiles&) = delete;
    ~CPreviousFiles()
    {
        for (const Kept& k : m_kept) {
            std::error_code ignored;
            if (!k.copy.empty())
                fs::remove(FilePath(k.copy), ignored);
        }
    }

    // Keeps what `target` holds now; a target that does not exist yet is noted as such.
    Status keep(const std::string& target)
    {
        std::error_code ec;
        const bool exists = fs::exists(FilePath(target), ec);
        if (ec)
            return reason(ec.message());
        if (!exists) {
            m_kept.push_back({target, {}});
            return Ok{};
        }
        const std::string copy = temporaryBeside(target);
        // A hard link costs nothing; a file system without them gets a copy.
        fs::create_hard_link(FilePath(target), FilePath(copy), ec);
        if (ec) {
            std::error_code copied;
            fs::copy_file(FilePath(target), FilePath(copy), copied);
            if (copied)
                return reason("its previous file cannot be kept while the others are written (" +
                              ec.message() + ")");
        }
        m_kept.push_back({target, copy});
        return Ok{};
    }

    // Puts the previous file back in place of the first `count` targets, the latest first; what cannot
    // be put back is named.
    std::string restore(std::size_t count)
    {
        std::string unrestored;
        for (std::size_t i = count; i-- > 0;) {
            Kept& k = m_kept[i];
            if (k.copy.empty()) {
                std::error_code ignored;
                fs::remove(FilePath(k.target), ignored);
            } else if (replaceWith(k.copy, k.target).ok()) {
                k.copy.clear();
            } else {
                unrestored += "; the previous " + k.target + " is kept as " + k.copy;
                k.copy.clear(); // left for the user
            }
        }
        return unrestored;
    }

private:
    struct Kept {
        std::string target;
        std::string copy; // empty: the target did not exist
    };
    std::vector<Kept> m_kept;
};

} // namespace

Status fileio::replaceAll(std::span<const CStaged> staged, const Replace& replace)
{
    CPreviousFiles previous;
    for (std::size_t i = 0; i + 1 < staged.size(); ++i)
        if (Status kept = previous.keep(staged[i].target); !kept)
            return FileError(staged[i].path, kept.error().text);
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (Status replaced = replace(staged[i].tempPath, staged[i].target); !replaced) {
            const std::string unrestored = previous.restore(i);
            return FileError(staged[i].path, replaced.error().text + unrestored);
        }
    }
    return Ok{};
}

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
    fs::path p = FilePath(path);
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            break;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return Utf8Path(p);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    const fs::path pa = FilePath(a), pb = FilePath(b);
    if (fs::exists(pa, ec) && fs::exists(pb, ec))
        return fs::equivalent(pa, pb, ec);
    const auto real = [](const std::string& path, std::error_code& e) {
        return fs::weakly_canonical(fs::absolute(FilePath(WriteTarget(path)), e), e).lexically_normal();
    };
    std::error_code ea, eb;
    const fs::path ra = real(a, ea);
    const fs::path rb = real(b, eb);
    return !ea && !eb && ra == rb;
}

Status WriteFilesSafely(std::span<const CFileWrite> files)
{
    std::vector<CPlanned> planned;
    for (const CFileWrite& f : files) {
        auto p = plan(f.path);
        if (!p)
            return p.error();
        planned.push_back(std::move(*p));
    }

    CTemporaries temporaries;
    std::vector<CStaged> staged;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (planned[i].direct)
            continue;
        auto tempPath = writeTemporary(planned[i].target, files[i].data);
        if (!tempPath)
            return FileError(files[i].path, tempPath.error().text);
        temporaries.add(*tempPath);
        staged.push_back({files[i].path, *tempPath, planned[i].target});
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!planned[i].direct)
            continue;
        if (Status written = writeDirectly(planned[i].target, files[i].data); !written)
            return FileError(files[i].path, written.error().text);
    }
    if (Status replaced = replaceAll(staged, replaceWith); !replaced)
        return replaced;
    temporaries.release();
    return Ok{};
}

Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> data)
{
    const CFileWrite file{path, data};
    return WriteFilesSafely(std::span(&file, 1));
}

Status CheckWritable(const std::string& path)
{
    auto p = plan(path);
    if (!p)
        return p.error();
    if (p->direct)
        return Ok{};
    auto tempPath = writeTemporary(p->target, {});
    if (!tempPath)
        return FileError(path, tempPath.error().text);
    std::error_code ignored;
    fs::remove(FilePath(*tempPath), ignored);
    return Ok{};
}

Result<std::optional<Bytes>> ReadSettingsFile(const std::string& path)
{
    std::error_code ec;
    if (fs::status(FilePath(path), ec).type() == fs::file_type::not_found)
        return std::optional<Bytes>{};
    auto data = ReadWholeFile(path, kMaxSettingsFileSize);
    if (!data)
        return data.error();
    return std::optional<Bytes>(std::move(*data));
}

} // namespace zl
