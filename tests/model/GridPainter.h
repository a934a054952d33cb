#pragma once
// A painter that rasterises into a plain pixel grid, for checking drawings pixel by pixel without Qt.
// Everything is clipped to the grid.
#include <string>
#include <vector>

#include "render/CFontFiles.h"
#include "render/CPainter.h"

namespace zl::test {

class CGridPainter : public CPainter {
public:
    static constexpr CColor kUnpainted = 0x123456;

    explicit CGridPainter(const CFontFiles* fonts = nullptr, int width = kCanvasWidth, int height = kCanvasHeight)
        : CPainter(fonts), width(width), height(height), pixels(std::size_t(width * height), kUnpainted)
    {
    }

    CColor at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
    // The grid's pixels in `r` as rows of characters: '#' for `on`, '.' for anything else.
    std::string picture(const CRect& r, CColor on) const
    {
        std::string s;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                s += at(x, y) == on ? '#' : '.';
            s += '\n';
        }
        return s;
    }
    int count(CColor colour) const
    {
        int n = 0;
        for (CColor p : pixels)
            n += p == colour;
        return n;
    }

    void FillRect(const CRect& r, CColor c) override
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                set(x, y, c);
    }
    void SetPixels(std::span<const CPoint> points, CColor c) override
    {
        for (CPoint p : points)
            set(p.x, p.y, c);
    }
    void StretchBitmap(const CMonoBitmap& b, const CRect& t, CColor zero, CColor one) override
    {
        for (int y = 0; y < t.height(); ++y)
            for (int x = 0; x < t.width(); ++x)
                set(t.left + x, t.top + y,
                    b.pixel(stretchSource(x, b.width, t.width()), stretchSource(y, b.height, t.height())) ? one
                                                                                                           : zero);
    }

    int width;
    int height;
    std::vector<CColor> pixels;

private:
    void set(int x, int y, CColor c)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[std::size_t(y * width + x)] = c;
    }
};

// The fonts the build generates, loaded once.
inline const CFontFiles& testFonts()
{
    static const CFontFiles fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR).value();
    return fonts;
}

} // namespace zl::test
