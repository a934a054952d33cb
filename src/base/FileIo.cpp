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

std::string fileio::temporaryBeside(const std::string& target, unsigned long processId)
{
    static std::atomic<unsigned> counter{0};
    const std::string name = ".zl410-" + std::to_string(processId) + "-" + std::to_string(counter++) + ".tmp";
    return Utf8Path(FilePath(target).parent_path() / name);
}

namespace
{

using namespace fileio;

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
            fs::remove(FilePath(path), ignored);
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
        const fs::file_type type = fs::status(FilePath(target), ec).type();
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
    }
    return Ok{};
}

Status WriteFileSafely(const std::string& path, std::span<const std::uint8_t> data)
{
    const CFileWrite file{path, data};
    return WriteFilesSafely(std::span(&file, 1));
}

} // namespace zl
