#include "qt/CPanelScreenImage.h"

namespace zl
{

QImage PanelScreenImage(const CFrameBuffer& screen, int scale)
{
    scale = std::max(scale, 1);
    QImage image(CFrameBuffer::kWidth * scale, CFrameBuffer::kHeight * scale, QImage::Format_RGB32);
    const bool gaps = scale >= 3;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool gapRow = gaps && y % scale == scale - 1;
        for (int x = 0; x < image.width(); ++x) {
            if (gapRow || (gaps && x % scale == scale - 1))
                line[x] = kLcdGap;
            else
                line[x] = screen.Get(x / scale, y / scale) ? kLcdDot : kLcdGlass;
        }
    }
    return image;
}

} // namespace zl
