// The data files the build generates beside the executables: the placeholder catalogues and the fonts
// made from GNU Unifont.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "render/CFontFiles.h"

namespace zl {
namespace {

constexpr std::size_t kEntrySize = 32788, kDriverOffset = 20, kDriverArea = 32768, kProtocols = 34;

Bytes readFile(const std::string& name)
{
    std::ifstream in(std::string(ZL410_BUILD_DATA_DIR) + "/" + name, std::ios::binary | std::ios::ate);
    Bytes bytes(in ? std::size_t(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

struct Entry {
    unsigned protocol, version;
    Bytes driver; // L + 128 bytes
};

// The entries of a generated catalogue, after checking the shape every reader relies on.
std::vector<Entry> readCatalogue(const std::string& name)
{
    const Bytes file = readFile(name);
    EXPECT_EQ(file.size(), 1 + kProtocols * kEntrySize) << name;
    if (file.size() != 1 + kProtocols * kEntrySize)
        return {};
    EXPECT_EQ(file[0], kProtocols) << name;
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < kProtocols; ++i) {
        const std::uint8_t* entry = &file[1 + i * kEntrySize];
        const std::size_t size = (entry[2] | entry[3] << 8) + 128u;
        EXPECT_LE(size, kDriverArea) << name << " entry " << i;
        const std::uint8_t* driver = entry + kDriverOffset;
        entries.push_back({entry[0], entry[1], Bytes(driver, driver + std::min(size, kDriverArea))});
    }
    return entries;
}

TEST(GeneratedDataTest, CatalogueHoldsEveryProtocolWithDistinctDriversOfSpreadSizes)
{
    const auto entries = readCatalogue("Zentu_Ptc.dat");
    ASSERT_EQ(entries.size(), kProtocols);
    std::set<Bytes> drivers;
    std::set<std::size_t> sizes;
    bool partialFrame = false, wholeFrames = false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].protocol, i + 1);
        EXPECT_NE(entries[i].version, 0u);
        drivers.insert(entries[i].driver);
        sizes.insert(entries[i].driver.size());
        (entries[i].driver.size() % 128 ? partialFrame : wholeFrames) = true;
    }
    EXPECT_EQ(drivers.size(), kProtocols);
    EXPECT_EQ(sizes.size(), kProtocols);
    EXPECT_LE(*sizes.begin(), 2048u);
    EXPECT_GE(*sizes.rbegin(), 16384u);
    EXPECT_TRUE(partialFrame && wholeFrames) << "drivers should end both on and off a 128-byte frame";
}

TEST(GeneratedDataTest, ModelCataloguesDifferFromTheMainOneInVersionAndDriver)
{
    const auto main = readCatalogue("Zentu_Ptc.dat");
    ASSERT_EQ(main.size(), kProtocols);
    for (const char* name : {"Zentu_Ptc2.dat", "Zentu_Ptc4.dat"}) {
        const auto model = readCatalogue(name);
        ASSERT_EQ(model.size(), kProtocols) << name;
        for (std::size_t i = 0; i < kProtocols; ++i) {
            EXPECT_EQ(model[i].protocol, i + 1) << name;
            EXPECT_NE(model[i].version, main[i].version) << name << " protocol " << i + 1;
            EXPECT_NE(model[i].driver, main[i].driver) << name << " protocol " << i + 1;
        }
    }
    EXPECT_NE(readFile("Zentu_Ptc2.dat"), readFile("Zentu_Ptc4.dat"));
}

class GeneratedFontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto loaded = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
        ASSERT_TRUE(loaded.ok()) << loaded.error().text;
        s_fonts = new CFontFiles(std::move(*loaded));
    }
    static void TearDownTestSuite()
    {
        delete s_fonts;
        s_fonts = nullptr;
    }
    static const CFontFiles* s_fonts;
};
const CFontFiles* GeneratedFontsTest::s_fonts = nullptr;

template <std::size_t N>
bool isBlank(const std::array<std::uint8_t, N>& glyph)
{
    return std::all_of(glyph.begin(), glyph.end(), [](std::uint8_t b) { return b == 0; });
}

TEST_F(GeneratedFontsTest, SingleByteFontHoldsAsciiOnly)
{
    ASSERT_NE(s_fonts, nullptr);
    const CFontFiles::SingleGlyph a{0x00, 0x00, 0x00, 0x00, 0x18, 0x24, 0x24, 0x42,
                                    0x42, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x00, 0x00};
    EXPECT_EQ(s_fonts->singleByteGlyph('A'), a);
    for (unsigned code = 0; code < 256; ++code) {
        const bool drawn = code > ' ' && code < 0x7F;
        EXPECT_EQ(!isBlank(s_fonts->singleByteGlyph(std::uint8_t(code))), drawn) << "code " << code;
    }
}

TEST_F(GeneratedFontsTest, DoubleByteFontHoldsGbkGlyphs)
{
    ASSERT_NE(s_fonts, nullptr);
    // 中, GBK D6 D0: two bytes per row, the vertical stroke in column 7 of every row.
    const CFontFiles::DoubleGlyph zhong{0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x3F, 0xF8, 0x21,
                                        0x08, 0x21, 0x08, 0x21, 0x08, 0x21, 0x08, 0x21, 0x08, 0x3F, 0xF8,
                                        0x21, 0x08, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00};
    EXPECT_EQ(s_fonts->doubleByteGlyph(0xD6, 0xD0), zhong);

    // The middle dot (A1 A4) is half-width in Unifont: it sits in the left half of the cell.
    const auto dot = s_fonts->doubleByteGlyph(0xA1, 0xA4);
    EXPECT_EQ(dot[16], 0x18);
    for (std::size_t row = 0; row < 16; ++row)
        EXPECT_EQ(dot[2 * row + 1], 0) << "row " << row;

    // Ideographic space, trail 0x7F, user-defined and unassigned codes.
    for (auto [lead, trail] : {std::pair{0xA1, 0xA1}, {0xB0, 0x7F}, {0xAA, 0xA1}, {0xD7, 0xFA}})
        EXPECT_TRUE(isBlank(s_fonts->doubleByteGlyph(std::uint8_t(lead), std::uint8_t(trail))))
            << std::hex << lead << " " << trail;

    // Nearly all of GBK's 21886 codes are drawn; a broken GBK mapping would leave most blank.
    std::size_t drawn = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
            drawn += !isBlank(s_fonts->doubleByteGlyph(std::uint8_t(lead), std::uint8_t(trail)));
    EXPECT_GT(drawn, 21000u);
}

} // namespace
} // namespace zl
