// The Qt painter puts the same pixels on its image as the reference grid painter does.
#include <gtest/gtest.h>

#include "model/GridPainter.h"
#include "qt/CQtPainter.h"

namespace zl {
namespace {

TEST(QtPainterTest, DrawsThePixelsOfTheReferencePainter)
{
    const std::uint8_t bits[] = {0b10110000, 0b01000000, 0b11110000};
    const CMonoBitmap bitmap{4, 3, 1, true, bits};
    const CPoint frame[] = {{60, 11}, {100, 11}, {100, 40}, {60, 40}, {60, 11}};
    const CPoint curve[] = {{110, 40}, {130, 12}, {160, 33}, {190, 20}, {215, 33}, {212, 37}};
    const auto paint = [&](CPainter& p) {
        p.FillRect({0, 0, 432, 144}, kDarkColor);
        p.FillRect({3, 4, 20, 9}, 0x112233);
        p.FrameRect({5, 20, 40, 50}, kLightColor);
        p.DottedRect({2, 60, 30, 70}, 0xC0C0C0);
        p.Polyline(frame, 2, kLightColor);
        p.Polyline(curve, 2, kLightColor);
        p.StretchBitmap(bitmap, {250, 10, 259, 17}, 0x000000, 0xFFFFFF);
        p.GlyphText({250, 50, 250 + 4 * 18, 86}, "A\xD6\xD0z", false, true);
        p.GlyphText({250, 90, 250 + 2 * 36, 162}, "Q", true, false);
    };

    test::CGridPainter grid(&test::testFonts());
    paint(grid);
    QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    {
        CQtPainter qt(image, &test::testFonts());
        paint(qt);
    }
    int differences = 0;
    for (int y = 0; y < kCanvasHeight; ++y) {
        for (int x = 0; x < kCanvasWidth; ++x) {
            const CColor q = image.pixel(x, y) & 0xFFFFFF;
            if (q != grid.at(x, y) && ++differences <= 10)
                ADD_FAILURE() << "pixel " << x << "," << y << ": Qt " << std::hex << q << ", reference "
                              << grid.at(x, y);
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(QtPainterTest, CanvasImageWithoutWindowIsTheBareField)
{
    const QImage image = RenderCanvasImage(nullptr, std::nullopt, nullptr);
    ASSERT_EQ(image.size(), QSize(432, 144));
    EXPECT_EQ(image.pixel(17, 17) & 0xFFFFFF, kDarkColor);
}

} // namespace
} // namespace zl
