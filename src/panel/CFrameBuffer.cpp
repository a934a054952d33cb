#include "panel/CFrameBuffer.h"

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

void CFrameBuffer::Fill(int x, int y, int w, int h, bool on)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, on);
}

void CFrameBuffer::Invert(int x, int y, int w, int h)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, !Get(i, j));
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
