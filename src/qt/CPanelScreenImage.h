#pragma once
// The simulated panel's screen as a picture in the LCD's colours: dark dots on a pale green glass, each
// panel pixel `scale` pixels wide; from scale 3 on, a thin gap between the dots as on the real display.
#include <QImage>

#include "panel/CFrameBuffer.h"

namespace zl
{

constexpr QRgb kLcdDot = 0xFF1F2A24;
constexpr QRgb kLcdGlass = 0xFFB8C9A0;
constexpr QRgb kLcdGap = 0xFFAEBF96;

QImage PanelScreenImage(const CFrameBuffer& screen, int scale);

} // namespace zl
