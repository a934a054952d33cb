// Download images from outside: the reader must refuse what does not fit, and whatever it accepts must
// name only glyphs and picture pages inside the image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "image/CImageReader.h"

using namespace zl;

namespace
{

unsigned touch(const CDecodedImage& image, const CImageText& text)
{
    unsigned sum = 0;
    for (const CImageChar& c : text)
        sum += c.wide ? image.WideGlyph(c.glyph)[31] : image.NarrowGlyph(c.glyph)[15];
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto read = CImageReader::Read(Bytes(data, data + size));
    if (!read) {
        if (!read.error().offset || *read.error().offset > size)
            std::abort();
        return 0;
    }
    const CDecodedImage& image = *read;
    unsigned sum = 0;
    for (const CImageWindow& w : image.windows) {
        for (const CImageComponent& c : w.components) {
            if (const auto* t = std::get_if<CImageStaticText>(&c.record))
                sum += touch(image, t->text);
            if (const auto* d = std::get_if<CImageDynamicText>(&c.record))
                for (const auto& e : d->entries)
                    sum += touch(image, e.text);
            if (const auto* k = std::get_if<CImageFunctionKey>(&c.record))
                for (std::uint8_t g : k->glyphs)
                    sum += image.WideGlyph(g)[31];
            if (const auto* p = std::get_if<CImagePicture>(&c.record))
                if (p->width && p->height)
                    sum += image.At(p->data)[p->width * ((p->height + 7u) / 8u) - 1];
        }
    }
    for (const auto& e : image.alarms.entries)
        sum += touch(image, e.text);
    return sum == 0xFFFFFFFF; // keeps the reads
}
