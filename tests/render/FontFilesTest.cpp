// The font reader against small font files built here: where each glyph is looked up, codes outside the
// table, and missing or short files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "render/CFontFiles.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

class FontFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::path(::testing::TempDir()) / ("zl410_fonts_" + std::string(test->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Glyph g of either font: its first two bytes hold g (big-endian), the rest a fixed pattern, so a
    // lookup shows which glyph it read.
    static Bytes numberedFont(std::size_t size, std::size_t glyphSize)
    {
        Bytes bytes(size, 0xA5);
        for (std::size_t g = 0; g * glyphSize < size; ++g)
            putBe16(&bytes[g * glyphSize], unsigned(g));
        return bytes;
    }

    void write(const char* name, const Bytes& bytes) const
    {
        std::ofstream(m_dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    void writeBoth(std::size_t englishSize = CFontFiles::kEnglishSize,
                   std::size_t chineseSize = CFontFiles::kChineseSize) const
    {
        write("Zentu_EN.dat", numberedFont(englishSize, 16));
        write("Zentu_CH.dat", numberedFont(chineseSize, 32));
    }

    std::string dir() const { return m_dir.string(); }

private:
    fs::path m_dir;
};

TEST_F(FontFilesTest, LooksGlyphsUpByCode)
{
    writeBoth();
    const auto fonts = CFontFiles::Load(dir());
    ASSERT_TRUE(fonts.ok()) << fonts.error().text;

    for (unsigned code : {0x00u, 0x41u, 0xFFu}) {
        const auto glyph = fonts->singleByteGlyph(std::uint8_t(code));
        EXPECT_EQ(getBe16(glyph.data()), code);
        EXPECT_EQ(glyph[15], 0xA5);
    }

    struct Case {
        std::uint8_t lead, trail;
        unsigned index;
    };
    for (const Case& c : {Case{0x81, 0x40, 0}, Case{0x81, 0x7F, 63}, Case{0x81, 0xFE, 190},
                          Case{0x82, 0x40, 191}, Case{0xD6, 0xD0, 0x55 * 191 + 0x90},
                          Case{0xFE, 0xFE, 126 * 191 - 1}}) {
        const auto glyph = fonts->doubleByteGlyph(c.lead, c.trail);
        EXPECT_EQ(getBe16(glyph.data()), c.index) << std::hex << int(c.lead) << " " << int(c.trail);
        EXPECT_EQ(glyph[31], 0xA5);
    }
}

TEST_F(FontFilesTest, CodesOutsideTheTableAreBlank)
{
    writeBoth();
    const auto fonts = CFontFiles::Load(dir());
    ASSERT_TRUE(fonts.ok()) << fonts.error().text;
    const CFontFiles::DoubleGlyph blank{};
    for (auto [lead, trail] : {std::pair{0x80, 0x40}, {0xFF, 0x40}, {0x81, 0x3F}, {0x81, 0xFF}, {0x00, 0x00},
                               {0x41, 0x81}, {0xFF, 0xFF}})
        EXPECT_EQ(fonts->doubleByteGlyph(std::uint8_t(lead), std::uint8_t(trail)), blank)
            << lead << " " << trail;
}

TEST_F(FontFilesTest, LongerFilesAreAccepted)
{
    writeBoth(CFontFiles::kEnglishSize + 100, CFontFiles::kChineseSize + 32);
    const auto fonts = CFontFiles::Load(dir());
    ASSERT_TRUE(fonts.ok()) << fonts.error().text;
    EXPECT_EQ(getBe16(fonts->doubleByteGlyph(0xFE, 0xFE).data()), 126u * 191 - 1);
}

TEST_F(FontFilesTest, MissingOrShortFileIsNamed)
{
    const std::string english = CFontFiles::englishPath(dir()), chinese = CFontFiles::chinesePath(dir());
    struct Case {
        const char* what;
        long englishSize, chineseSize; // -1: no file
        std::string text;
    };
    const Case cases[] = {
        {"no English font", -1, CFontFiles::kChineseSize, "does the file" + english + " exist?"},
        {"no Chinese font", CFontFiles::kEnglishSize, -1, "does the file" + chinese + " exist?"},
        {"neither font: the double-byte one is looked for first", -1, -1, "does the file" + chinese + " exist?"},
        {"English font one byte short", CFontFiles::kEnglishSize - 1, CFontFiles::kChineseSize,
         "The file " + english + " is too short: 4095 bytes, 4096 needed."},
        {"empty Chinese font", CFontFiles::kEnglishSize, 0,
         "The file " + chinese + " is too short: 0 bytes, 770112 needed."},
    };
    for (const Case& c : cases) {
        fs::remove(english);
        fs::remove(chinese);
        if (c.englishSize >= 0)
            write("Zentu_EN.dat", Bytes(std::size_t(c.englishSize)));
        if (c.chineseSize >= 0)
            write("Zentu_CH.dat", Bytes(std::size_t(c.chineseSize)));
        const auto fonts = CFontFiles::Load(dir());
        ASSERT_FALSE(fonts.ok()) << c.what;
        EXPECT_EQ(fonts.error().text, c.text) << c.what;
        EXPECT_EQ(fonts.error().caption, "Download data") << c.what;
    }
}

TEST_F(FontFilesTest, FolderInPlaceOfAFileCountsAsMissing)
{
    writeBoth();
    fs::remove(CFontFiles::chinesePath(dir()));
    fs::create_directory(CFontFiles::chinesePath(dir()));
    const auto fonts = CFontFiles::Load(dir());
    ASSERT_FALSE(fonts.ok());
    EXPECT_EQ(fonts.error().text, "does the file" + CFontFiles::chinesePath(dir()) + " exist?");
}

} // namespace
} // namespace zl
