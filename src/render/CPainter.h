#pragma once
// What components draw the preview with. The canvas is 432 × 144 pixels, origin at its top-left corner;
// a rectangle covers left … right − 1 and top … bottom − 1. Colours are 0xRRGGBB.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/Geometry.h"

namespace zl {

class CFontFiles;

using CColor = std::uint32_t;

// The preview shows the panel as light pixels on a dark field.
constexpr CColor kDarkColor = 0x404040;
constexpr CColor kLightColor = 0xFFFFFF;

// A 1-bit image: `height` rows of `stride` bytes, bit 7 of a row's first byte its leftmost pixel.
struct CMonoBitmap {
    int width = 0;
    int height = 0;
    int stride = 0;
    bool bottomUp = false; // the first row in memory is the bottom row, as in Windows bitmaps
    const std::uint8_t* bits = nullptr;

    bool pixel(int x, int y) const
    {
        const int row = bottomUp ? height - 1 - y : y;
        return (bits[row * stride + x / 8] >> (7 - x % 8)) & 1;
    }
};

// The source pixel that target pixel `i` shows when `source` pixels are stretched over `target` pixels.
inline int stretchSource(int i, int source, int target)
{
    return static_cast<int>(static_cast<long long>(i) * source / target);
}

// The pixels a polyline covers: for every pixel of each segment's Bresenham path, endpoints included, the
// `width` × `width` square whose top-left is that pixel moved up and left by width / 2. The squares of
// neighbouring path pixels in one row or one column come merged into one rectangle.
std::vector<CRect> polylineRects(std::span<const CPoint> points, int width);

// The pixels of a dotted outline: every other pixel, starting at the top-left corner, of the closed path
// (left, top) → (right, top) → (right, bottom) → (left, bottom) → back; right and bottom are on the path.
std::vector<CPoint> dottedOutline(const CRect& r);

class CPainter {
public:
    virtual ~CPainter() = default;

    // --- what each painter implements
    virtual void FillRect(const CRect& r, CColor colour) = 0;
    virtual void SetPixels(std::span<const CPoint> pixels, CColor colour) = 0;
    // Stretches the bitmap over `target` (target pixel i shows source pixel stretchSource(i, …)); clear
    // bits in `zero`, set bits in `one`.
    virtual void StretchBitmap(const CMonoBitmap& bitmap, const CRect& target, CColor zero, CColor one) = 0;

    // --- drawn with the above
    // One pixel along the inner edge: columns left and right − 1, rows top and bottom − 1.
    void FrameRect(const CRect& r, CColor colour);
    // The pixels of dottedOutline(r).
    void DottedRect(const CRect& r, CColor colour) { SetPixels(dottedOutline(r), colour); }
    // Connected line segments covering polylineRects(points, width).
    void Polyline(std::span<const CPoint> points, int width, CColor colour);
    // A GBK text in the panel's own glyphs: each character takes an opaque cell, light glyph on dark (dark
    // on light when `reverse`) — 18 × 36 canvas pixels for a single-byte character, 36 × 36 for a
    // double-byte one, twice both for double size. Lines start at the rectangle's top-left and break at a
    // space when the next word would not fit (the space is dropped); a word wider than the rectangle is
    // cut at its right edge, and only lines that fit whole below each other are drawn. Without fonts the
    // cells are drawn blank.
    void GlyphText(const CRect& r, std::string_view gbk, bool doubleSize, bool reverse);

protected:
    explicit CPainter(const CFontFiles* fonts) : m_fonts(fonts) {}

private:
    const CFontFiles* m_fonts;
};

} // namespace zl
