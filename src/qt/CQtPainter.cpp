#include "qt/CQtPainter.h"

#include <algorithm>
#include <vector>

#include <QPolygon>

#include "model/CCanvasPainter.h"

namespace zl {
namespace {

QColor toQColor(CColor c) { return QColor::fromRgb(QRgb(0xFF000000u | c)); }
QRect toQRect(const CRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

} // namespace

CQtPainter::CQtPainter(QImage& image, const CFontFiles* fonts) : CPainter(fonts), m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void CQtPainter::FillRect(const CRect& r, CColor colour)
{
    if (r.width() > 0 && r.height() > 0)
        m_painter.fillRect(toQRect(r), toQColor(colour));
}

void CQtPainter::SetPixels(std::span<const CPoint> pixels, CColor colour)
{
    QPolygon points;
    points.reserve(static_cast<qsizetype>(pixels.size()));
    for (CPoint p : pixels)
        points << QPoint(p.x, p.y);
    m_painter.setPen(QPen(toQColor(colour), 0));
    m_painter.drawPoints(points);
}

void CQtPainter::StretchBitmap(const CMonoBitmap& bitmap, const CRect& target, CColor zero, CColor one)
{
    const int width = target.width();
    const int height = target.height();
    if (width <= 0 || height <= 0 || bitmap.width <= 0 || bitmap.height <= 0)
        return;
    QImage stretched(width, height, QImage::Format_RGB32);
    const QRgb colours[2] = {0xFF000000u | zero, 0xFF000000u | one};
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] = stretchSource(x, bitmap.width, width);
    int previous = -1;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(stretched.scanLine(y));
        const int sy = stretchSource(y, bitmap.height, height);
        if (sy == previous) {
            std::copy_n(reinterpret_cast<const QRgb*>(stretched.constScanLine(y - 1)), width, line);
            continue;
        }
        previous = sy;
        for (int x = 0; x < width; ++x)
            line[x] = colours[bitmap.pixel(columns[static_cast<std::size_t>(x)], sy)];
    }
    m_painter.drawImage(QPoint(target.left, target.top), stretched);
}

QImage RenderCanvasImage(const CMainView* window, std::optional<CRect> outline, const CFontFiles* fonts)
{
    QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    image.fill(toQColor(kDarkColor));
    {
        CQtPainter painter(image, fonts);
        PaintCanvas(window, painter, outline);
    }
    return image;
}

} // namespace zl
