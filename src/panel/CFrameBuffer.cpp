#include "panel/CFrameBuffer.h"

#include <algorithm>
#include <cstdlib>

namespace zl
{

bool CFrameBuffer::Get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
        return false;
    return m_rows[static_cast<std::size_t>(y * kWidth / 8 + x / 8)] & (0x80 >> (x % 8));
}

void CFrameBuffer::Set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
        return;
    std::uint8_t& byte = m_rows[static_cast<std::size_t>(y * kWidth / 8 + x / 8)];
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    byte = static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}

void CFrameBuffer::DrawPages(int x, int y, const std::uint8_t* bytes, int columns, int pages, int scale,
                             int height)
{
    if (height < 0)
        height = 8 * pages;
    for (int p = 0; p < pages; ++p) {
        for (int c = 0; c < columns; ++c) {
            const std::uint8_t byte = bytes[p * columns + c];
            if (!byte)
                continue;
            for (int k = 0; k < 8 && 8 * p + k < height; ++k)
                if (byte & (1 << k))
                    Fill(x + c * scale, y + (8 * p + k) * scale, scale, scale);
        }
    }
}

void CFrameBuffer::DrawRows(int x, int y, const std::uint8_t* rows, int scale)
{
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 8; ++c)
            if (rows[r] & (0x80 >> c))
                Fill(x + c * scale, y + r * scale, scale, scale);
}

// Applies `change(byte, mask)` to every byte the rectangle covers, the mask holding the covered pixels.
// Only the part on the screen is visited, a byte at a time: a field may reach far beyond the screen,
// and the panel fills many of them per frame.
template <typename Change>
static void forEachByte(std::uint8_t* rows, int x, int y, int w, int h, Change change)
{
    const long long x0 = std::max(x, 0), y0 = std::max(y, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(x) + w, CFrameBuffer::kWidth);
    const long long y1 = std::min<long long>(static_cast<long long>(y) + h, CFrameBuffer::kHeight);
    if (x0 >= x1 || y0 >= y1)
        return;
    for (long long j = y0; j < y1; ++j) {
        std::uint8_t* row = rows + j * (CFrameBuffer::kWidth / 8);
        for (long long b = x0 / 8; b <= (x1 - 1) / 8; ++b) {
            const long long from = std::max(x0, b * 8), to = std::min(x1, b * 8 + 8); // pixels [from, to)
            const auto mask = static_cast<std::uint8_t>((0xFF >> (from - b * 8)) & (0xFF << (b * 8 + 8 - to)));
            row[b] = change(row[b], mask);
        }
    }
}

void CFrameBuffer::Fill(int x, int y, int w, int h, bool on)
{
    forEachByte(m_rows.data(), x, y, w, h, [on](std::uint8_t byte, std::uint8_t mask) {
        return static_cast<std::uint8_t>(on ? byte | mask : byte & ~mask);
    });
}

void CFrameBuffer::Invert(int x, int y, int w, int h)
{
    forEachByte(m_rows.data(), x, y, w, h,
                [](std::uint8_t byte, std::uint8_t mask) { return static_cast<std::uint8_t>(byte ^ mask); });
}

void CFrameBuffer::Frame(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    Fill(x, y, w, 1);
    Fill(x, y + h - 1, w, 1);
    Fill(x, y, 1, h);
    Fill(x + w - 1, y, 1, h);
}

void CFrameBuffer::Line(int x0, int y0, int x1, int y1)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

std::string CFrameBuffer::Text(int x, int y, int w, int h) const
{
    std::string s;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i)
            s += Get(i, j) ? '#' : '.';
        s += '\n';
    }
    return s;
}

} // namespace zl
