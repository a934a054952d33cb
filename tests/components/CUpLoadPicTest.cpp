#include <gtest/gtest.h>

#include "ComponentFields.h"
#include "components/CUpLoadPic.h"

using namespace zl;
using namespace zl::test;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

CRgbImage image(int w, int h, std::uint32_t fill = 0)
{
    return {w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, fill)};
}

// 10 × 12 with two light pixels: top right and bottom left.
CRgbImage corners()
{
    CRgbImage i = image(10, 12);
    i.pixels[9] = kWhite;
    i.pixels[11 * 10] = kWhite;
    return i;
}

Bytes header(int w, int h, std::uint32_t imageSize)
{
    return cat({le32(40), le32(w), le32(h), le16(1), le16(1), le32(0), le32(imageSize), zeros(16),
                {0, 0, 0, 0, 255, 255, 255, 0}});
}

} // namespace

TEST(Picture, ThresholdIsTheMeanAbove128)
{
    struct Case {
        std::uint32_t rgb;
        bool light;
    };
    const Case cases[] = {{0x808080, false}, {0x818181, true},  {0xFF0082, false}, // (255 + 130) / 3 = 128
                          {0xFF0084, true},  {0x000000, false}, {0xFFFFFF, true}};
    CRgbImage source = image(6, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        source.pixels[i] = cases[i].rgb;
    const CUpLoadPic pic(1, {0, 0}, source);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(pic.IsLight(static_cast<int>(i), 0), cases[i].light) << std::hex << cases[i].rgb;
    EXPECT_EQ(pic.pixels, (Bytes{0b01010100, 0, 0, 0}));
}

TEST(Picture, RowsBottomUpLeftmostPixelInTheHighBit)
{
    const CUpLoadPic pic(1, {0, 0}, corners());
    EXPECT_EQ(pic.converted, 1);
    EXPECT_EQ(pic.Stride(), 4);
    EXPECT_EQ(Bytes(pic.info.begin(), pic.info.end()), header(10, 12, 48));
    Bytes expected(48, 0);
    expected[0] = 0x80;          // bottom row first: its leftmost pixel
    expected[11 * 4 + 1] = 0x40; // top row last: column 9
    EXPECT_EQ(pic.pixels, expected);
    EXPECT_EQ(pic.rect, (CRect{0, 0, 23, 27}));
}

TEST(Picture, PanelPagesAreBandsOfEightRows)
{
    CCompileFixture f;
    CUpLoadPic pic(1, {0, 0}, corners());
    f.compile(pic);
    EXPECT_EQ(pic.panelDataSize, 20u);
    Bytes expected(20, 0);
    expected[9] = 0x01;  // row 0, column 9: bit 0 of the top band
    expected[10] = 0x08; // row 11, column 0: bit 3 of the second band
    EXPECT_EQ(f.ctx.pictureData, expected);

    CCompileFixture g;
    CUpLoadPic lit(1, {0, 0}, image(10, 12, kWhite));
    g.compile(lit);
    EXPECT_EQ(g.ctx.pictureData, cat({Bytes(10, 0xFF), Bytes(10, 0x0F)})); // rows past the image are 0

    CCompileFixture h;
    CUpLoadPic full(1, {0, 0}, image(192, 64));
    EXPECT_EQ(h.compile(full), (Bytes{0, 0, 0, 0xC0, 0x40, 0, 0, 0, 0}));
    EXPECT_EQ(full.panelDataSize, 1536u);
    EXPECT_EQ(full.rect, (CRect{0, 0, 432, 144}));
}

TEST(Picture, PicturesTakeConsecutivePlacesInThePictureData)
{
    CCompileFixture f;
    CUpLoadPic first(1, {panelToCanvas(4), panelToCanvas(2)}, image(100, 8));
    CUpLoadPic second(1, {0, 0}, image(5, 5));
    f.compile(first);
    f.compile(second);
    first.WriteTextCodes(0x9000);
    second.WriteTextCodes(0x9000);
    EXPECT_EQ(first.record, (Bytes{4, 2, 0, 100, 8, 0x90, 0x00, 0, 0}));
    EXPECT_EQ(Bytes(second.record.begin() + 5, second.record.begin() + 7), (Bytes{0x90, 0x64}));
}

TEST(Picture, SourceSizeIsChecked)
{
    for (const auto& [w, h, ok] : {std::tuple{1, 1, true}, {192, 64, true}, {193, 64, false}, {192, 65, false},
                                   {0, 10, false}}) {
        const auto error = CUpLoadPic::CheckSourceSize(w, h);
        EXPECT_EQ(!error, ok) << w << " x " << h;
        if (error) {
            EXPECT_EQ(error->text, "picture size error!!!(Max Pixel Sope:192 X 64)");
            EXPECT_EQ(error->caption, "Open picture");
        }
    }
    CUpLoadPic pic(1, {0, 0}, corners());
    EXPECT_FALSE(pic.TakeImage(image(200, 10)).ok());
    CRgbImage shortOfPixels = image(8, 8);
    shortOfPixels.pixels.pop_back();
    EXPECT_FALSE(pic.TakeImage(shortOfPixels).ok());
    EXPECT_EQ(pic.Width(), 10); // the image is kept

    CUpLoadPic empty(1, {0, 0}); // placed before an image is taken
    EXPECT_EQ(empty.converted, 0);
    EXPECT_EQ(empty.Width(), 0);
    ASSERT_TRUE(empty.TakeImage(corners()).ok());
    EXPECT_EQ(empty.pixels, pic.pixels);
    EXPECT_EQ(empty.converted, 1);
}

TEST(Picture, FileBody)
{
    CUpLoadPic pic(1, {panelToCanvas(30), panelToCanvas(5)}, corners());
    const Bytes body = cat({{kPicture}, le32(30), le32(5), header(10, 12, 48), pic.pixels, zeros(20)});
    EXPECT_EQ(storeBody(pic), body);
    expectRoundTrip(pic);
    expectTruncationsFail<CUpLoadPic>(body);

    const auto copy = pic.Clone();
    EXPECT_EQ(fields(*copy), fields(pic));

    // A picture that never got an image is stored as a consistent 0 × 0 bitmap.
    CUpLoadPic empty(1, {0, 0});
    const Bytes emptyBody = storeBody(empty);
    EXPECT_EQ(emptyBody, cat({{kPicture}, le32(0), le32(0), header(0, 0, 0), zeros(20)}));
    CUpLoadPic loaded = loadBody<CUpLoadPic>(emptyBody);
    EXPECT_EQ(storeBody(loaded), emptyBody);
}

TEST(Picture, StoredImageMustFitThePanelAndTheFile)
{
    const Bytes pixels(48, 0);
    struct Case {
        const char* what;
        int w, h;
        std::uint32_t imageSize;
    };
    const Case cases[] = {
        {"wider than the panel", 193, 12, 48},
        {"taller than the panel", 10, 65, 48},
        {"negative width", -10, 12, 48},
        {"pixels too few for the size", 10, 12, 44},
        {"size beyond the file", 10, 12, 0xFFFFFFF0},
    };
    for (const Case& c : cases) {
        const Bytes body = cat({{kPicture}, le32(0), le32(0), header(c.w, c.h, c.imageSize), pixels, zeros(20)});
        EXPECT_THROW(loadBody<CUpLoadPic>(body), CArchiveError) << c.what;
    }
    // A larger stored block than the size needs is kept as it is.
    const Bytes roomy = cat({{kPicture}, le32(0), le32(0), header(10, 12, 52), Bytes(52, 0x11), zeros(20)});
    CUpLoadPic loaded = loadBody<CUpLoadPic>(roomy);
    EXPECT_EQ(storeBody(loaded), roomy);
}
