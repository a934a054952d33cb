#pragma once
// The panel's 192 × 64 one-bit screen, a set pixel being a lit (dark) dot of the LCD, and the few ways
// the panel draws on it: glyphs and pictures in the image's page format, glyphs in row format, boxes
// and lines. Everything is clipped at the screen's edges.
#include <array>
#include <cstdint>
#include <string>

namespace zl
{

class CFrameBuffer
{
public:
    static constexpr int kWidth = 192;
    static constexpr int kHeight = 64;

    bool Get(int x, int y) const;
    void Set(int x, int y, bool on = true);
    void Clear() { m_rows.fill(0); }

    // `columns` × (8 × pages) pixels in the page format: page by page from the top, one byte per column,
    // bit 0 the page's top row. `scale` 2 draws every pixel as a 2 × 2 block. Set bits are drawn, clear
    // bits left as they are.
    void DrawPages(int x, int y, const std::uint8_t* bytes, int columns, int pages, int scale = 1,
                   int height = -1);
    // An 8 × 16 glyph given as 16 rows, bit 7 the leftmost pixel.
    void DrawRows(int x, int y, const std::uint8_t* rows, int scale = 1);
    void Fill(int x, int y, int w, int h, bool on = true);
    void Invert(int x, int y, int w, int h);
    void Frame(int x, int y, int w, int h);
    void Line(int x0, int y0, int x1, int y1);

    bool operator==(const CFrameBuffer& o) const { return m_rows == o.m_rows; }
    // The screen as text, one line per row, '#' for a set pixel and '.' for a clear one: for tests.
    std::string Text(int x = 0, int y = 0, int w = kWidth, int h = kHeight) const;

private:
    std::array<std::uint8_t, kWidth / 8 * kHeight> m_rows{}; // rows top-down, bit 7 the leftmost pixel
};

} // namespace zl
