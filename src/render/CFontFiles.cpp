#include "render/CFontFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/FileIo.h"

namespace zl {
namespace {

constexpr const char* kCaption = "Download data";

// The first `size` bytes of the file at `path`.
Result<Bytes> readLeading(const std::string& path, std::size_t size)
{
    std::error_code ec;
    std::ifstream in(FilePath(path), std::ios::binary);
    if (!in || std::filesystem::is_directory(FilePath(path), ec))
        return makeError("does the file" + path + " exist?", kCaption);
    Bytes bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < size) {
        return makeError("The file " + path + " is too short: " + std::to_string(got) + " bytes, " +
                             std::to_string(size) + " needed.",
                         kCaption);
    }
    return bytes;
}

} // namespace

std::string CFontFiles::englishPath(const std::string& dataDir)
{
    return Utf8Path(FilePath(dataDir) / "Zentu_EN.dat");
}

std::string CFontFiles::chinesePath(const std::string& dataDir)
{
    return Utf8Path(FilePath(dataDir) / "Zentu_CH.dat");
}

Result<CFontFiles> CFontFiles::Load(const std::string& dataDir)
{
    // The double-byte glyphs are rendered first, so their font is the one named when both are missing.
    auto chinese = readLeading(chinesePath(dataDir), kChineseSize);
    if (!chinese)
        return chinese.error();
    auto english = readLeading(englishPath(dataDir), kEnglishSize);
    if (!english)
        return english.error();
    return CFontFiles(std::move(*english), std::move(*chinese));
}

CFontFiles::SingleGlyph CFontFiles::singleByteGlyph(std::uint8_t code) const
{
    SingleGlyph glyph;
    std::copy_n(m_english.begin() + code * glyph.size(), glyph.size(), glyph.begin());
    return glyph;
}

CFontFiles::DoubleGlyph CFontFiles::doubleByteGlyph(std::uint8_t lead, std::uint8_t trail) const
{
    DoubleGlyph glyph{};
    if (lead < kLeadFirst || lead > kLeadLast || trail < kTrailFirst || trail > kTrailLast)
        return glyph;
    const std::size_t index = (lead - kLeadFirst) * kTrails + (trail - kTrailFirst);
    std::copy_n(m_chinese.begin() + index * glyph.size(), glyph.size(), glyph.begin());
    return glyph;
}

} // namespace zl
