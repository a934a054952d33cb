// Bitmap files of every depth and row order, compressed or not, and the files a picture refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QImage>

#include "base/Bytes.h"
#include "qt/CBitmapLoader.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

void le(Bytes& b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A bitmap file: headers, colour table (0xRRGGBB entries) and the pixel data as given.
Bytes bitmapFile(int bits, int width, int height, std::uint32_t compression, const std::vector<std::uint32_t>& palette,
                 const Bytes& data)
{
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    Bytes b{'B', 'M'};
    le(b, offset + static_cast<std::uint32_t>(data.size()), 4);
    le(b, 0, 4);
    le(b, offset, 4);
    le(b, 40, 4);
    le(b, static_cast<std::uint32_t>(width), 4);
    le(b, static_cast<std::uint32_t>(height), 4); // negative: top-down
    le(b, 1, 2);
    le(b, static_cast<std::uint32_t>(bits), 2);
    le(b, compression, 4);
    le(b, static_cast<std::uint32_t>(data.size()), 4);
    le(b, 2835, 4);
    le(b, 2835, 4);
    le(b, static_cast<std::uint32_t>(palette.size()), 4);
    le(b, 0, 4);
    for (std::uint32_t c : palette)
        le(b, c, 4); // blue, green, red, 0
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

// Uncompressed rows in file order, each padded to 4 bytes; `values` are palette indices or colours.
Bytes packRows(int bits, const std::vector<std::vector<std::uint32_t>>& rows)
{
    Bytes data;
    for (const auto& row : rows) {
        Bytes line;
        std::uint32_t acc = 0;
        int filled = 0;
        for (std::uint32_t v : row) {
            if (bits >= 24) {
                le(line, v, bits / 8);
                continue;
            }
            acc = (acc << bits) | v;
            filled += bits;
            if (filled == 8) {
                line.push_back(static_cast<std::uint8_t>(acc));
                acc = 0;
                filled = 0;
            }
        }
        if (filled)
            line.push_back(static_cast<std::uint8_t>(acc << (8 - filled)));
        line.resize((line.size() + 3) / 4 * 4, 0);
        data.insert(data.end(), line.begin(), line.end());
    }
    return data;
}

constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF, K = 0x000000, M = 0x808080;
const std::vector<std::uint32_t> kPalette{K, W, R, G, B, M};
// The 3 × 2 image every case holds, top row first, and its palette indices.
const std::vector<std::uint32_t> kImage{R, G, B, W, K, M};
const std::vector<std::vector<std::uint32_t>> kTop{{2, 3, 4}}, kBottom{{1, 0, 5}};

class BitmapLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::path(::testing::TempDir()) / "zl410_bitmaps";
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const Bytes& bytes) const
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                   std::streamsize(bytes.size()));
        return path.string();
    }

    fs::path m_dir;
};

TEST_F(BitmapLoaderTest, ReadsEveryDepthAndRowOrder)
{
    const auto bottomUp = [](int bits) { return packRows(bits, {kBottom[0], kTop[0]}); };
    const Bytes rle8{1, 1, 1, 0, 1, 5, 0, 0, /**/ 1, 2, 1, 3, 1, 4, 0, 0, /**/ 0, 1};
    const Bytes rle4{2, 0x10, 1, 0x50, 0, 0, /**/ 2, 0x23, 1, 0x40, 0, 0, /**/ 0, 1};
    const struct {
        const char* name;
        Bytes file;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {"1 bit", bitmapFile(1, 3, 2, 0, {0x102030, 0xF0E0D0}, packRows(1, {{0, 0, 1}, {1, 0, 1}})),
         {0xF0E0D0, 0x102030, 0xF0E0D0, 0x102030, 0x102030, 0xF0E0D0}},
        {"4 bits", bitmapFile(4, 3, 2, 0, kPalette, bottomUp(4)), kImage},
        {"8 bits", bitmapFile(8, 3, 2, 0, kPalette, bottomUp(8)), kImage},
        {"24 bits", bitmapFile(24, 3, 2, 0, {}, packRows(24, {{W, K, M}, {R, G, B}})), kImage},
        {"32 bits", bitmapFile(32, 3, 2, 0, {}, packRows(32, {{W, K, M}, {R, G, B}})), kImage},
        {"top-down", bitmapFile(8, 3, -2, 0, kPalette, packRows(8, {kTop[0], kBottom[0]})), kImage},
        {"RLE8", bitmapFile(8, 3, 2, 1, kPalette, rle8), kImage},
        {"RLE4", bitmapFile(4, 3, 2, 2, kPalette, rle4), kImage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto image = LoadBitmapFile(write("picture.bmp", c.file));
        ASSERT_TRUE(image) << image.error().text;
        EXPECT_EQ(image->width, 3);
        EXPECT_EQ(image->height, 2);
        EXPECT_EQ(image->pixels, c.expected);
    }
}

TEST_F(BitmapLoaderTest, RefusesWhatIsNoFittingBitmap)
{
    const std::string sizeError = "picture size error!!!(Max Pixel Sope:192 X 64)";
    const std::string openError = "Open the picture error!!!";
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::white);
    const std::string pngPath = (m_dir / "really.png.bmp").string();
    ASSERT_TRUE(png.save(QString::fromStdString(pngPath), "PNG"));
    Bytes truncated = bitmapFile(24, 3, 2, 0, {}, packRows(24, {{W, K, M}, {R, G, B}}));
    truncated.resize(60);

    const struct {
        const char* name;
        std::string path;
        const std::string& text;
    } cases[] = {
        {"193 wide", write("wide.bmp", bitmapFile(1, 193, 1, 0, {K, W}, Bytes(8))),
         sizeError},
        {"65 high", write("high.bmp", bitmapFile(1, 1, 65, 0, {K, W}, Bytes(4 * 65))), sizeError},
        {"large header, no data", write("large.bmp", bitmapFile(24, 1000, 1000, 0, {}, {})), sizeError},
        {"huge header, no data", write("huge.bmp", bitmapFile(24, 100000, -100000, 0, {}, {})), sizeError},
        {"garbage", write("garbage.bmp", Bytes(300, 0x5A)), openError},
        {"truncated", write("truncated.bmp", truncated), openError},
        {"empty", write("empty.bmp", {}), openError},
        {"missing", (m_dir / "missing.bmp").string(), openError},
        {"a PNG", pngPath, openError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto image = LoadBitmapFile(c.path);
        ASSERT_FALSE(image);
        EXPECT_EQ(image.error().text, c.text);
        EXPECT_EQ(image.error().caption, "Open picture");
    }
    const auto largest = LoadBitmapFile(write("largest.bmp", bitmapFile(1, 192, 64, 0, {K, W}, Bytes(24 * 64))));
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->pixels.size(), 192u * 64);
}

} // namespace
} // namespace zl
