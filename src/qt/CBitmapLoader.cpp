#include "qt/CBitmapLoader.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

#include <QFile>
#include <QImage>
#include <QImageReader>

namespace zl {
namespace {

// What the file's headers promise.
struct CBitmapHeader {
    int width = 0;
    int height = 0; // negative for top-down rows
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t dataOffset = 0;
};

std::uint32_t le(const QByteArray& b, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

// The file header and the information header, in its old 12-byte form or a newer one of 40 bytes or more.
std::optional<CBitmapHeader> readHeader(QFile& file)
{
    const QByteArray b = file.read(34);
    if (b.size() < 26 || !b.startsWith("BM"))
        return std::nullopt;
    CBitmapHeader h;
    h.dataOffset = le(b, 10, 4);
    const std::uint32_t infoSize = le(b, 14, 4);
    if (infoSize == 12) {
        h.width = static_cast<int>(le(b, 18, 2));
        h.height = static_cast<int>(le(b, 20, 2));
        h.bits = static_cast<int>(le(b, 24, 2));
    } else if (infoSize >= 40 && b.size() >= 34) {
        h.width = static_cast<std::int32_t>(le(b, 18, 4));
        h.height = static_cast<std::int32_t>(le(b, 22, 4));
        h.bits = static_cast<int>(le(b, 28, 2));
        h.compression = le(b, 30, 4);
    } else {
        return std::nullopt;
    }
    return h;
}

} // namespace

Result<CRgbImage> LoadBitmapFile(const std::string& path)
{
    const CError openError = makeError(QT_TRANSLATE_NOOP("Message", "Open the picture error!!!"),
                                       QT_TRANSLATE_NOOP("Message", "Open picture"));
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return openError;
    const auto header = readHeader(file);
    if (!header || header->width <= 0 || header->height == 0 || header->height == INT32_MIN)
        return openError;
    const int width = header->width;
    const int height = std::abs(header->height);
    if (auto error = CUpLoadPic::CheckSourceSize(width, height))
        return *error;
    // Uncompressed rows must all be there: the decoder would fill missing ones silently.
    const bool compressed = header->compression == 1 || header->compression == 2;
    const qint64 rowBytes = (qint64(width) * header->bits + 31) / 32 * 4;
    if (!compressed && file.size() < qint64(header->dataOffset) + rowBytes * height)
        return openError;

    file.seek(0);
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false); // a bitmap or nothing, whatever the file is called
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    if (image.isNull() || image.width() != width || image.height() != height)
        return openError;

    CRgbImage rgb{width, height, {}};
    rgb.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            rgb.pixels.push_back(line[x] & 0xFFFFFFu);
    }
    return rgb;
}

} // namespace zl
