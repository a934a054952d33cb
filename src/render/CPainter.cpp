#include "render/CPainter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "render/CFontFiles.h"

namespace zl {
namespace {

constexpr int kCellWidth = 18;  // canvas pixels of a single-byte character: 8 panel pixels
constexpr int kCellHeight = 36; // 16 panel pixels
constexpr int kGlyphRows = 16;

// A character of the text: where it starts and how many single-byte cells it takes. As in the download
// records, a byte of 0x80 or more starts a two-byte character.
struct Char {
    std::size_t at;
    int cells;
};

std::vector<Char> splitChars(std::string_view text)
{
    std::vector<Char> chars;
    for (std::size_t i = 0; i < text.size();) {
        const int cells = static_cast<std::uint8_t>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
        chars.push_back({i, cells});
        i += static_cast<std::size_t>(cells);
    }
    return chars;
}

struct Line {
    std::size_t end;  // one past its last character
    std::size_t next; // first character of the next line
};

// The line that starts at character `begin`, at most `maxCells` wide unless one word is wider.
Line breakLine(std::string_view text, const std::vector<Char>& chars, std::size_t begin, int maxCells)
{
    const auto isSpace = [&](std::size_t k) { return text[chars[k].at] == ' '; };
    const std::size_t n = chars.size();
    std::size_t lastSpace = n;
    int width = 0;
    for (std::size_t k = begin; k < n; ++k) {
        if (width + chars[k].cells > maxCells) {
            if (isSpace(k))
                return {k, k + 1};
            if (lastSpace != n)
                return {lastSpace, lastSpace + 1};
            std::size_t end = k;
            while (end < n && !isSpace(end))
                ++end;
            return {end, std::min(end + 1, n)};
        }
        if (isSpace(k))
            lastSpace = k;
        width += chars[k].cells;
    }
    return {n, n};
}

} // namespace

std::vector<CRect> polylineRects(std::span<const CPoint> points, int width)
{
    std::vector<CRect> rects;
    const int back = width / 2;
    // Adds the square of `p`, growing the last rectangle when it is the next one in its row or column.
    const auto add = [&](CPoint p) {
        const CRect s{p.x - back, p.y - back, p.x - back + width, p.y - back + width};
        if (!rects.empty()) {
            CRect& last = rects.back();
            const bool sameRow = s.top == last.top && s.bottom == last.bottom;
            const bool sameColumn = s.left == last.left && s.right == last.right;
            if (sameRow && s.left <= last.right && s.right >= last.left) {
                last = last.united(s);
                return;
            }
            if (sameColumn && s.top <= last.bottom && s.bottom >= last.top) {
                last = last.united(s);
                return;
            }
        }
        rects.push_back(s);
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        CPoint a = points[i];
        const CPoint b = points[i + 1];
        const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
        const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
        for (int err = dx + dy;;) {
            add(a);
            if (a == b)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
    }
    return rects;
}

std::vector<CPoint> dottedOutline(const CRect& r)
{
    std::vector<CPoint> path;
    if (r.right < r.left || r.bottom < r.top)
        return path;
    for (int x = r.left; x <= r.right; ++x)
        path.push_back({x, r.top});
    for (int y = r.top + 1; y <= r.bottom; ++y)
        path.push_back({r.right, y});
    if (r.bottom > r.top) {
        for (int x = r.right - 1; x >= r.left; --x)
            path.push_back({x, r.bottom});
    }
    if (r.right > r.left) {
        for (int y = r.bottom - 1; y > r.top; --y)
            path.push_back({r.left, y});
    }
    std::vector<CPoint> dots;
    for (std::size_t i = 0; i < path.size(); i += 2)
        dots.push_back(path[i]);
    return dots;
}

void CPainter::FrameRect(const CRect& r, CColor colour)
{
    FillRect({r.left, r.top, r.right, r.top + 1}, colour);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

void CPainter::Polyline(std::span<const CPoint> points, int width, CColor colour)
{
    for (const CRect& part : polylineRects(points, width))
        FillRect(part, colour);
}

void CPainter::GlyphText(const CRect& r, std::string_view gbk, bool doubleSize, bool reverse)
{
    const CColor ink = reverse ? kDarkColor : kLightColor;
    const CColor paper = reverse ? kLightColor : kDarkColor;
    const int scale = doubleSize ? 2 : 1;
    const int cellWidth = kCellWidth * scale;
    const int cellHeight = kCellHeight * scale;
    const int maxCells = r.width() / cellWidth;
    const int maxLines = r.height() / cellHeight;
    if (maxCells <= 0 || maxLines <= 0)
        return;

    const std::vector<Char> chars = splitChars(gbk);
    std::vector<std::uint8_t> bits;
    std::size_t begin = 0;
    for (int line = 0; line < maxLines && begin < chars.size(); ++line) {
        const Line l = breakLine(gbk, chars, begin, maxCells);
        // One byte per cell and glyph row: the glyphs' own row format.
        int cells = 0;
        for (std::size_t k = begin; k < l.end; ++k)
            cells += chars[k].cells;
        bits.assign(static_cast<std::size_t>(cells) * kGlyphRows, 0);
        int column = 0;
        for (std::size_t k = begin; k < l.end && m_fonts; ++k) {
            const auto lead = static_cast<std::uint8_t>(gbk[chars[k].at]);
            if (chars[k].cells == 1) {
                const auto glyph = m_fonts->singleByteGlyph(lead);
                for (int row = 0; row < kGlyphRows; ++row)
                    bits[row * cells + column] = glyph[row];
            } else {
                const auto trail = static_cast<std::uint8_t>(gbk[chars[k].at + 1]);
                const auto glyph = m_fonts->doubleByteGlyph(lead, trail);
                for (int row = 0; row < kGlyphRows; ++row) {
                    bits[row * cells + column] = glyph[2 * row];
                    bits[row * cells + column + 1] = glyph[2 * row + 1];
                }
            }
            column += chars[k].cells;
        }
        const int shown = std::min(cells, maxCells);
        if (shown > 0) {
            const int top = r.top + line * cellHeight;
            StretchBitmap({shown * 8, kGlyphRows, cells, false, bits.data()},
                          {r.left, top, r.left + shown * cellWidth, top + cellHeight}, paper, ink);
        }
        begin = l.next;
    }
}

} // namespace zl
