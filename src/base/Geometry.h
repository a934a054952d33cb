#pragma once
// Panel and canvas coordinates. The panel is 192 × 64 pixels; the editor's canvas shows it at 2.25 canvas
// pixels per panel pixel, 432 × 144.
#include <algorithm>

namespace zl {

constexpr int kPanelWidth = 192;
constexpr int kPanelHeight = 64;
constexpr int kCanvasWidth = 432;
constexpr int kCanvasHeight = 144;
// One drag step: 9 canvas pixels are exactly 4 panel pixels.
constexpr int kCanvasStep = 9;
constexpr int kPanelStep = 4;

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Left and top inclusive, right and bottom exclusive.
    bool contains(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool contains(const CRect& r) const
    {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    CRect united(const CRect& o) const
    {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    CRect grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    CRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// Both conversions round by adding 0.5 and truncating toward zero, as the panel tool always has.
inline int canvasToPanel(int canvas) { return static_cast<int>(canvas * 0.4444444444444444 + 0.5); }
inline int panelToCanvas(int panel) { return static_cast<int>(panel * 2.25 + 0.5); }

} // namespace zl
