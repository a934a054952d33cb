#include "components/CPreviewPictures.h"

#include <array>

#include "render/CImageGlyphs.h"

namespace zl {
namespace {

constexpr int kStride = (kPreviewPictureSize + 7) / 8;
constexpr unsigned kKeys = 20;
constexpr unsigned kFirstKey = 4;
constexpr unsigned kHand = kFirstKey + 3 * kKeys;

using Bits = std::array<std::uint8_t, kStride * kPreviewPictureSize>;

enum class Look { Normal, Reverse, Dotted };

// A glyph pixel in the panel's page format: byte = column of a page of 8 rows, bit 0 its top row.
bool glyphPixel(const CImageGlyphs::Glyph& g, int x, int y) { return (g[(y / 8) * 16 + x] >> (y % 8)) & 1; }

Bits picture(const CImageGlyphs::Glyph& glyph, Look look)
{
    Bits bits{};
    for (int y = 0; y < kPreviewPictureSize; ++y) {
        for (int x = 0; x < kPreviewPictureSize; ++x) {
            const bool set = glyphPixel(glyph, stretchSource(x, 16, kPreviewPictureSize),
                                        stretchSource(y, 16, kPreviewPictureSize));
            const bool light = look == Look::Normal    ? set
                               : look == Look::Reverse ? !set
                                                       : set && (x + y) % 2 == 0;
            if (light)
                bits[y * kStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return bits;
}

const std::array<Bits, kPreviewPictureCount + 1>& pictures()
{
    static const auto table = [] {
        std::array<Bits, kPreviewPictureCount + 1> t{}; // the last one stays blank
        for (unsigned i = 0; i < CImageGlyphs::kLedGlyphs; ++i)
            t[i] = picture(CImageGlyphs::LedBlock()[i], Look::Normal);
        for (unsigned k = 0; k < kKeys; ++k) {
            const auto symbol = CImageGlyphs::Symbol(static_cast<std::uint8_t>(k));
            t[kFirstKey + 3 * k] = picture(symbol, Look::Normal);
            t[kFirstKey + 3 * k + 1] = picture(symbol, Look::Reverse);
            t[kFirstKey + 3 * k + 2] = picture(symbol, Look::Dotted);
        }
        const auto hand = CImageGlyphs::Symbol(CImageGlyphs::kHandSymbol);
        t[kHand] = picture(hand, Look::Normal);
        t[kHand + 1] = picture(hand, Look::Reverse);
        return t;
    }();
    return table;
}

} // namespace

CMonoBitmap PreviewPictureBits(unsigned index)
{
    const Bits& bits = pictures()[index < kPreviewPictureCount ? index : kPreviewPictureCount];
    return {kPreviewPictureSize, kPreviewPictureSize, kStride, false, bits.data()};
}

void DrawPreviewPicture(CPainter& painter, unsigned index, const CRect& target)
{
    painter.StretchBitmap(PreviewPictureBits(index), target, kDarkColor, kLightColor);
}

} // namespace zl
