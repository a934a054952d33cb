#pragma once
// The fixed samples the preview shows for a bar graph (a bar one third full, with its frame and scale
// ticks) and a trend line (axes with ticks and a sample curve), drawn in a component's rectangle.
#include <cstdint>

#include "render/CPainter.h"

namespace zl {

// `direction`: 0 UP, 1 DOWN, 2 LEFT, 3 RIGHT.
void DrawBarSample(CPainter& painter, const CRect& r, std::uint8_t direction);
void DrawTrendSample(CPainter& painter, const CRect& r);

} // namespace zl
