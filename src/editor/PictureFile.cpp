#include "editor/PictureFile.h"

#include <QImage>
#include <QImageReader>

namespace zl {

Result<CRgbImage> LoadPictureFile(const QString& path)
{
    QImageReader reader(path, "bmp");
    // A header may promise any size; nothing larger than the panel can become a picture anyway.
    reader.setAllocationLimit(64);
    QImage image = reader.read();
    if (image.isNull())
        return makeError("Open the picture error!!!", "Open picture");
    image = image.convertToFormat(QImage::Format_RGB32);
    CRgbImage rgb{image.width(), image.height(), {}};
    rgb.pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            rgb.pixels.push_back(line[x] & 0xFFFFFF);
    }
    return rgb;
}

} // namespace zl
