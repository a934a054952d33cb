// The canvas and the painter's own drawing: the dotted field, stacking, the selection outline, and texts
// laid out in the panel's glyph cells.
#include <gtest/gtest.h>

#include "model/CCanvasPainter.h"
#include "model/CMainView.h"
#include "model/GridPainter.h"
#include "model/TestComponent.h"

namespace zl {
namespace {

using test::CGridPainter;
using test::testFonts;

// A box that paints its rectangle in its own colour.
class CPaintedBox : public test::CBox {
public:
    CPaintedBox(int w, int h, CColor colour) : CBox(w, h), colour(colour) {}
    void Draw(CPainter& p) const override { p.FillRect(rect, colour); }
    CColor colour;
};

TEST(CanvasDrawingTest, WithoutWindowNothingIsPainted)
{
    CGridPainter p;
    PaintCanvas(nullptr, p, CRect{0, 0, 10, 10});
    EXPECT_EQ(p.count(CGridPainter::kUnpainted), kCanvasWidth * kCanvasHeight);
}

TEST(CanvasDrawingTest, FieldIsDarkWithLightDotsAwayFromTheEdges)
{
    CMainView window;
    CGridPainter p;
    PaintCanvas(&window, p, std::nullopt);
    EXPECT_EQ(p.count(kLightColor), 161 * 4);
    EXPECT_EQ(p.count(kDarkColor), kCanvasWidth * kCanvasHeight - 161 * 4);
    for (CPoint light : {CPoint{17, 17}, CPoint{18, 18}, CPoint{35, 17}, CPoint{414, 126}, CPoint{413, 125}})
        EXPECT_EQ(p.at(light.x, light.y), kLightColor) << light.x << "," << light.y;
    for (CPoint dark : {CPoint{16, 17}, CPoint{19, 17}, CPoint{17, 19}, CPoint{431, 143}, CPoint{17, 143}})
        EXPECT_EQ(p.at(dark.x, dark.y), kDarkColor) << dark.x << "," << dark.y;
}

TEST(CanvasDrawingTest, HeadIsDrawnOnTopWithItsDottedOutline)
{
    CMainView window;
    window.AddComponent(std::make_unique<CPaintedBox>(40, 20, 0x0000FF), {0, 0});
    window.AddComponent(std::make_unique<CPaintedBox>(8, 6, 0xFF0000), {4, 2});
    CGridPainter p;
    PaintCanvas(&window, p, window.SelectionRect());
    EXPECT_EQ(p.at(20, 10), 0x0000FF);
    EXPECT_EQ(p.picture({3, 1, 13, 9}, 0xC0C0C0), "..........\n"
                                                    ".#.#.#.#..\n"
                                                    "........#.\n"
                                                    ".#........\n"
                                                    "........#.\n"
                                                    ".#........\n"
                                                    "..#.#.#.#.\n"
                                                    "..........\n");
    EXPECT_EQ(p.at(6, 3), 0xFF0000);
}

TEST(CanvasDrawingTest, DottedOutlineOfDegenerateRectangles)
{
    EXPECT_TRUE(dottedOutline({5, 5, 4, 9}).empty());
    const auto line = dottedOutline({5, 5, 5, 9});
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line.back(), (CPoint{5, 9}));
}

TEST(CanvasDrawingTest, WideLinesCoverTheSquaresUpAndLeftOfTheirPath)
{
    CGridPainter p;
    const CPoint path[] = {{2, 2}, {7, 2}, {7, 5}, {3, 7}};
    p.Polyline(path, 2, kLightColor);
    EXPECT_EQ(p.picture({0, 0, 9, 8}, kLightColor), ".........\n"
                                                     ".#######.\n"
                                                     ".#######.\n"
                                                     "......##.\n"
                                                     "......##.\n"
                                                     "....####.\n"
                                                     "..#####..\n"
                                                     "..###....\n");
}

// The cell pixels of a glyph show the panel glyph at 2.25 canvas pixels per panel pixel.
TEST(CanvasDrawingTest, TextCellsShowThePanelGlyphs)
{
    struct Case {
        const char* text;
        bool doubleSize, reverse;
        CColor ink, paper;
        int cellWidth, cellHeight;
    } cases[] = {
        {"A", false, false, kLightColor, kDarkColor, 18, 36},
        {"A", true, true, kDarkColor, kLightColor, 36, 72},
        {"\xD6\xD0", false, false, kLightColor, kDarkColor, 36, 36},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CGridPainter p(&testFonts());
        p.GlyphText({9, 9, 9 + c.cellWidth, 9 + c.cellHeight}, c.text, c.doubleSize, c.reverse);
        const int scale = c.doubleSize ? 2 : 1;
        const bool wide = c.cellWidth / scale == 36;
        const auto single = testFonts().singleByteGlyph('A');
        const auto dbl = testFonts().doubleByteGlyph(0xD6, 0xD0);
        int ink = 0;
        for (int row = 0; row < 16 * scale; ++row) {
            for (int column = 0; column < (wide ? 16 : 8) * scale; ++column) {
                const int r = row / scale, col = column / scale;
                const bool set = wide ? (dbl[2 * r + col / 8] >> (7 - col % 8)) & 1 : (single[r] >> (7 - col)) & 1;
                // The middle of the panel pixel's block of 2.25 × 2.25 canvas pixels.
                const int x = 9 + int(column * 2.25 + 1), y = 9 + int(row * 2.25 + 1);
                ASSERT_EQ(p.at(x, y), set ? c.ink : c.paper) << column << "," << row;
                ink += set;
            }
        }
        EXPECT_GT(ink, 10);
        EXPECT_EQ(p.count(CGridPainter::kUnpainted), kCanvasWidth * kCanvasHeight - c.cellWidth * c.cellHeight);
    }
}

// Laying out into a rectangle draws the same pixels as drawing each expected line into its own row.
TEST(CanvasDrawingTest, TextBreaksAtSpacesAndIsCutAtTheRectangle)
{
    struct Case {
        const char* text;
        int cells, lines;
        std::vector<std::string> shown; // per line
    } cases[] = {
        {"AB CD", 5, 1, {"AB CD"}},
        {"AB CD", 3, 2, {"AB", "CD"}},
        {"AB CD", 3, 1, {"AB"}},
        {"A BC DE", 4, 3, {"A BC", "DE"}},
        {"ABCDE F", 3, 2, {"ABC", "F"}},
        {"A\xD6\xD0", 2, 2, {"A\xD6"}},
        {"", 3, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CGridPainter laidOut(&testFonts()), expected(&testFonts());
        laidOut.GlyphText({0, 0, c.cells * 18 + 17, c.lines * 36 + 35}, c.text, false, false);
        for (std::size_t line = 0; line < c.shown.size(); ++line) {
            const int top = int(line) * 36;
            // Half a double-byte character is its glyph's left half.
            const std::string whole = c.shown[line] == "A\xD6" ? "A\xD6\xD0" : c.shown[line];
            expected.GlyphText({0, top, 432, top + 36}, whole, false, false);
            if (whole != c.shown[line])
                expected.FillRect({c.cells * 18, top, 432, top + 36}, CGridPainter::kUnpainted);
        }
        EXPECT_EQ(laidOut.pixels, expected.pixels);
    }
}

TEST(CanvasDrawingTest, TextWithoutFontsIsBlankCells)
{
    CGridPainter p;
    p.GlyphText({0, 0, 36, 36}, "AB", false, false);
    EXPECT_EQ(p.count(kDarkColor), 36 * 36);
}

} // namespace
} // namespace zl
