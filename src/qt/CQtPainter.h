#pragma once
// The preview painted with QPainter into an image: the editor copies it onto its canvas in one block and
// the command line saves it.
#include <optional>

#include <QImage>
#include <QPainter>

#include "render/CPainter.h"

namespace zl {

class CMainView;

class CQtPainter : public CPainter {
public:
    // Paints into `image` (canvas pixel = image pixel) until destroyed.
    CQtPainter(QImage& image, const CFontFiles* fonts);

    void FillRect(const CRect& r, CColor colour) override;
    void SetPixels(std::span<const CPoint> pixels, CColor colour) override;
    void StretchBitmap(const CMonoBitmap& bitmap, const CRect& target, CColor zero, CColor one) override;

private:
    QPainter m_painter;
};

// The 432 × 144 canvas of `window` with `outline` (see PaintCanvas). Without a window the image is the
// bare dark field colour.
QImage RenderCanvasImage(const CMainView* window, std::optional<CRect> outline, const CFontFiles* fonts);

} // namespace zl
