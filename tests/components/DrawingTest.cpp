// What each component puts on the preview: its text, its picture, the bar and trend samples.
#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CPreviewPictures.h"
#include "components/CRegister.h"
#include "components/CUpLoadPic.h"
#include "model/GridPainter.h"

namespace zl {
namespace {

using test::CGridPainter;

CGridPainter drawn(const CBase& c)
{
    CGridPainter p(&test::testFonts());
    c.Draw(p);
    return p;
}

TEST(DrawingTest, TextComponentsShowTheirTextInTheirRectangle)
{
    CChars plain(1, {18, 36});
    CChars reversed(1, {0, 0}, "AB");
    reversed.reverse = 1;
    reversed.doubleSize = 1;
    reversed.MoveTo(0, 0);

    CDynamic dynamic(1, {36, 0}, "WIDEST");
    dynamic.contents[0].clear();
    dynamic.contents[3] = "AB";
    CRegister sample(1, {0, 72});
    sample.digits = 5;
    sample.decimals = 2;
    sample.isSigned = 1;
    sample.MoveTo(0, 72);

    const struct {
        const CBase& component;
        const char* shown;
    } cases[] = {
        {plain, "Text"}, {reversed, "AB"}, {dynamic, "AB    "}, {sample, "-123.45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        CGridPainter expected(&test::testFonts());
        expected.GlyphText(c.component.rect, c.shown, c.component.doubleSize, c.component.reverse);
        EXPECT_EQ(drawn(c.component).pixels, expected.pixels);
    }
    EXPECT_EQ(reversed.rect, (CRect{0, 0, 72, 72}));
    EXPECT_EQ(drawn(reversed).at(1, 1), kLightColor); // a cell's background
}

TEST(DrawingTest, LedAndKeyShowTheirPicturesStretched)
{
    CLight lit(1, {0, 0});
    lit.reverse = 1; // negative logic: lit while the bit is 0
    CLight square(1, {0, 0});
    square.shapeOrKey = 1;
    square.doubleSize = 1;
    square.MoveTo(0, 0);
    CFunction key(1, {0, 0}); // "Right"
    CFunction handed(1, {0, 0});
    handed.shapeOrKey = 6; // ENT
    handed.hand = 1;
    handed.reverse = 1;
    handed.doubleSize = 1;
    handed.MoveTo(9, 0);
    CFunction hidden(1, {0, 0});
    hidden.invisible = 1;
    hidden.reverse = 1;

    const struct {
        const CBase& component;
        std::vector<std::pair<unsigned, CRect>> pictures;
    } cases[] = {
        {lit, {{1, {0, 0, 36, 36}}}},
        {square, {{2, {0, 0, 72, 72}}}},
        {key, {{4 + 3 * 2, {0, 0, 36, 36}}}},
        {handed, {{65, {9, 0, 81, 72}}, {4 + 3 * 6 + 1, {81, 0, 153, 72}}}},
        {hidden, {{6 + 3 * 2, {0, 0, 36, 36}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.component.GetRuntimeClass());
        CGridPainter expected;
        for (const auto& [picture, target] : c.pictures)
            expected.StretchBitmap(PreviewPictureBits(picture), target, kDarkColor, kLightColor);
        EXPECT_EQ(drawn(c.component).pixels, expected.pixels);
    }
}

// The pictures come from the panel's glyphs: the lamps' rings and discs, keys in three looks.
TEST(DrawingTest, PreviewPicturesFollowTheirLooks)
{
    const auto light = [](unsigned picture, int x, int y) { return PreviewPictureBits(picture).pixel(x, y); };
    const auto lightCount = [&](unsigned picture) {
        int n = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 36; ++x)
                n += light(picture, x, y);
        return n;
    };
    EXPECT_FALSE(light(0, 18, 18)); // unlit ring
    EXPECT_TRUE(light(1, 18, 18));  // lit disc
    EXPECT_GT(lightCount(3), lightCount(2));
    for (unsigned normal : {4u, 4u + 3 * 19, 64u}) {
        SCOPED_TRACE(normal);
        EXPECT_GT(lightCount(normal), 100);
        for (int y = 0; y < 36; ++y) {
            for (int x = 0; x < 36; ++x) {
                ASSERT_NE(light(normal, x, y), light(normal + 1, x, y)); // reverse
                if (normal != 64) {
                    ASSERT_EQ(light(normal + 2, x, y), light(normal, x, y) && (x + y) % 2 == 0); // invisible
                }
            }
        }
    }
    EXPECT_EQ(lightCount(66), 0);
    EXPECT_EQ(lightCount(400), 0);
}

TEST(DrawingTest, PictureIsStretchedInBlackAndWhite)
{
    const std::uint32_t W = 0xFFFFFF, K = 0x000000;
    const CRgbImage source{4, 3, {W, K, K, W, //
                                  K, W, K, K, //
                                  W, W, W, K}};
    const CUpLoadPic picture(1, {9, 9}, source);
    ASSERT_EQ(picture.rect, (CRect{9, 9, 18, 16}));
    EXPECT_EQ(drawn(picture).picture(picture.rect, 0xFFFFFF), "###....##\n"
                                                              "###....##\n"
                                                              "###....##\n"
                                                              "...##....\n"
                                                              "...##....\n"
                                                              "#######..\n"
                                                              "#######..\n");
    EXPECT_EQ(drawn(picture).count(0x000000), 9 * 7 - 33);
}

struct Probe {
    int dx, dy; // from the rectangle's top-left
    char shows; // 'L' light, 'D' dark, '-' untouched
};

void expectProbes(const CBase& c, const std::vector<Probe>& probes)
{
    const CGridPainter p = drawn(c);
    for (const Probe& q : probes) {
        const CColor want = q.shows == 'L' ? kLightColor : q.shows == 'D' ? kDarkColor : CGridPainter::kUnpainted;
        EXPECT_EQ(p.at(c.rect.left + q.dx, c.rect.top + q.dy), want) << "at +" << q.dx << ",+" << q.dy;
    }
}

// A bar 36 × 108 canvas pixels (72 high when turned): one third full, framed, with five scale ticks.
TEST(DrawingTest, BarSampleIsOneThirdFullInItsDirection)
{
    const struct {
        std::uint8_t direction;
        std::vector<Probe> probes;
    } cases[] = {
        // level 72: empty above, the full part's outline on the level, light below
        {CBar::kUp, {{18, 71, 'D'}, {18, 72, 'D'}, {18, 73, 'L'}, {18, 105, 'L'},
                     // frame: top rows 0 … 1, left columns 4 … 5, right 34 … 35
                     {18, 0, 'L'}, {18, 2, 'D'}, {4, 50, 'L'}, {3, 50, 'D'}, {35, 50, 'L'},
                     // ticks at 1 (to 5), 27, 54 (from one further left), 81, 107
                     {0, 27, 'L'}, {0, 28, 'D'}, {-1, 27, '-'}, {-1, 54, 'L'}, {0, 81, 'L'},
                     {0, 107, 'L'}, {0, 105, 'D'}}},
        // level 36: light above, the outlines of both parts at 35 and 36
        {CBar::kDown, {{18, 34, 'L'}, {18, 35, 'D'}, {18, 36, 'D'}, {18, 37, 'D'}, {18, 80, 'D'}}},
        // turned 108 × 36, level 72: empty on the left, full on the right
        {CBar::kLeft, {{71, 18, 'D'}, {72, 18, 'D'}, {73, 18, 'L'},
                       // frame: from column 1 to 107, bottom at 31
                       {0, 18, 'L'}, {2, 18, 'D'}, {60, 31, 'L'}, {60, 32, 'D'},
                       // ticks up from 35 (34 at the quarters)
                       {0, 35, 'L'}, {27, 35, 'D'}, {27, 34, 'L'}, {54, 35, 'L'}, {81, 35, 'D'},
                       {81, 34, 'L'}, {107, 35, 'L'}, {40, 35, 'D'}}},
        {CBar::kRight, {{34, 18, 'L'}, {35, 18, 'D'}, {36, 18, 'D'}, {37, 18, 'D'}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.direction));
        CBar bar(1, {9, 9});
        bar.SetDirection(c.direction);
        ASSERT_EQ(bar.rect.width() * bar.rect.height(), 36 * 108);
        expectProbes(bar, c.probes);
    }
}

// A trend line of 216 × 108: marks at y 27, 54 (from H + 1), 81 and 72 (two thirds), x 54, 108, 162.
TEST(DrawingTest, TrendSampleHasAxesTicksAndCurve)
{
    CTide trend(1, {9, 9});
    ASSERT_EQ(trend.rect, (CRect{9, 9, 225, 117}));
    expectProbes(trend, {
                            {5, 50, 'L'}, {4, 50, 'L'}, {6, 50, 'D'}, {3, 50, 'D'},       // vertical axis
                            {90, 103, 'L'}, {90, 102, 'L'}, {90, 104, 'D'}, {90, 101, 'D'}, // horizontal
                            {212, 107, 'L'}, {0, 3, 'L'},                                       // arrow tips
                            {1, 27, 'L'}, {0, 27, 'D'}, {-1, 54, 'L'}, {-1, 103, 'L'},       // ticks
                            {5, 72, 'L'}, {54, 27, 'L'}, {108, 81, 'L'}, {162, 54, 'L'}, {215, 81, 'L'},
                            {54, 60, 'D'}, {150, 20, 'D'},
                        });
}

} // namespace
} // namespace zl
