#include "model/CCanvasPainter.h"

#include "model/CMainView.h"

namespace zl {
namespace {

constexpr CColor kOutlineColor = 0xC0C0C0;

// The panel field: 2 × 2 light dots every 18 canvas pixels (8 panel pixels) from 17 on, 23 × 7, away
// from the edges.
constexpr int kDotFirst = 17;
constexpr int kDotStep = 18;
constexpr int kDotColumns = 23;
constexpr int kDotRows = 7;

void paintBackground(CPainter& painter)
{
    painter.FillRect({0, 0, kCanvasWidth, kCanvasHeight}, kDarkColor);
    for (int row = 0; row < kDotRows; ++row) {
        for (int column = 0; column < kDotColumns; ++column) {
            const int x = kDotFirst + column * kDotStep;
            const int y = kDotFirst + row * kDotStep;
            painter.FillRect({x, y, x + 2, y + 2}, kLightColor);
        }
    }
}

} // namespace

void PaintCanvas(const CMainView* window, CPainter& painter, std::optional<CRect> outline)
{
    if (!window)
        return;
    paintBackground(painter);
    const auto& components = window->components();
    for (auto it = components.rbegin(); it != components.rend(); ++it)
        (*it)->Draw(painter);
    if (outline)
        painter.DottedRect(*outline, kOutlineColor);
}

} // namespace zl
