#include "components/BarTidePreview.h"

#include <initializer_list>

namespace zl {
namespace {

constexpr int kPen = 2; // the light strokes

void stroke(CPainter& painter, std::initializer_list<CPoint> points)
{
    painter.Polyline({points.begin(), points.size()}, kPen, kLightColor);
}

// round(start + fraction × length), as the sample's marks are placed.
int mark(int start, double fraction, int length) { return static_cast<int>(start + fraction * length + 0.5); }

} // namespace

void DrawBarSample(CPainter& painter, const CRect& r, std::uint8_t direction)
{
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    const int W = r.width(), H = r.height();
    const bool horizontal = direction >= 2;
    CRect scale, empty, full;
    if (!horizontal) {
        scale = {L, T, L + 3, B};
        const int level = T + (direction == 0 ? 2 * H / 3 : H / 3);
        const CRect upper{L + 3, T + 1, R - 1, level}, lower{L + 3, level, R - 1, B - 1};
        empty = direction == 0 ? upper : lower;
        full = direction == 0 ? lower : upper;
    } else {
        scale = {L, B - 3, R, B};
        const int level = L + (direction == 2 ? 2 * W / 3 : W / 3);
        const CRect left{L + 1, T + 1, level, B - 3}, right{level, T + 1, R - 1, B - 3};
        empty = direction == 2 ? left : right;
        full = direction == 2 ? right : left;
    }
    painter.FillRect(full, kLightColor);
    painter.FillRect(empty, kDarkColor);
    painter.FillRect(scale, kDarkColor);
    for (const CRect& part : {full, empty, scale})
        painter.FrameRect(part, kDarkColor);

    const int h = horizontal ? 1 : 0;
    const int frameLeft = L + 5 - 4 * h, frameBottom = B - 1 - 4 * h;
    stroke(painter,
           {{frameLeft, T + 1}, {R - 1, T + 1}, {R - 1, frameBottom}, {frameLeft, frameBottom}, {frameLeft, T + 1}});
    if (!horizontal) {
        stroke(painter, {{L + 1, T + 1}, {L + 5, T + 1}});
        stroke(painter, {{L + 1, T + H / 4}, {L + 3, T + H / 4}});
        stroke(painter, {{L, T + H / 2}, {L + 3, T + H / 2}});
        const int lowerQuarter = static_cast<int>(B - H / 4.0);
        stroke(painter, {{L + 1, lowerQuarter}, {L + 3, lowerQuarter}});
        stroke(painter, {{L + 1, B - 1}, {L + 3, B - 1}});
    } else {
        const int rightQuarter = static_cast<int>(R - W / 4.0);
        stroke(painter, {{L + 1, B - 1}, {L + 1, B - 4}});
        stroke(painter, {{L + W / 4, B - 2}, {L + W / 4, B - 4}});
        stroke(painter, {{L + W / 2, B - 1}, {L + W / 2, B - 4}});
        stroke(painter, {{rightQuarter, B - 2}, {rightQuarter, B - 4}});
        stroke(painter, {{R - 1, B - 1}, {R - 1, B - 4}});
    }
}

void DrawTrendSample(CPainter& painter, const CRect& r)
{
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    const int W = r.width(), H = r.height();
    painter.FillRect(r, kDarkColor);
    painter.FrameRect(r, kDarkColor);

    const int y25 = mark(T, 0.25, H), y75 = mark(T, 0.75, H), y667 = mark(T, 0.667, H);
    const int y50 = static_cast<int>(T + (H + 1) * 0.5);
    const int x25 = mark(L, 0.25, W), x75 = mark(L, 0.75, W);
    const int x50 = static_cast<int>(L + (W + 1) * 0.5);
    stroke(painter, {{L, T + 4}, {L + 5, T + 1}, {L + 5, B - 5}, {R - 1, B - 5}, {R - 4, B - 1}});
    stroke(painter, {{L + 2, y25}, {L + 4, y25}});
    stroke(painter, {{L + 2, y75}, {L + 4, y75}});
    stroke(painter, {{L, y50}, {L + 4, y50}});
    stroke(painter, {{L, B - 5}, {L + 4, B - 5}});
    stroke(painter, {{L + 5, y667}, {x25, y25}, {x50, y75}, {x75, y50}, {R - 1, y75}});
}

} // namespace zl
