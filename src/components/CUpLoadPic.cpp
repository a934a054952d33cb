#include "components/CUpLoadPic.h"

#include <string>

#include "model/CArchive.h"
#include "model/CCompileContext.h"
#include "base/CJson.h"
#include "render/CPainter.h"

namespace zl {
namespace {

constexpr std::size_t kReserved = 20;
constexpr std::uint16_t kRecordSize = 9;
constexpr int kThreshold = 128; // mean of red, green and blue above it is a light pixel

std::int32_t getLe32(const std::uint8_t* at)
{
    return static_cast<std::int32_t>(at[0] | (std::uint32_t(at[1]) << 8) | (std::uint32_t(at[2]) << 16) |
                                     (std::uint32_t(at[3]) << 24));
}

void putLe32(std::uint8_t* at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

int strideOf(int width) { return (width + 31) / 32 * 4; }

std::string hex(const std::uint8_t* p, std::size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s += digits[p[i] >> 4];
        s += digits[p[i] & 0x0F];
    }
    return s;
}

} // namespace

CUpLoadPic::CUpLoadPic() : CBase(0) { typeCode = kPicture; }

CUpLoadPic::CUpLoadPic(unsigned protocol, CPoint canvas) : CBase(protocol)
{
    typeCode = kPicture;
    converted = 0;
    SetHeader(0, 0);
    MoveTo(canvas.x, canvas.y);
}

CUpLoadPic::CUpLoadPic(unsigned protocol, CPoint canvas, const CRgbImage& source) : CUpLoadPic(protocol, canvas)
{
    if (!TakeImage(source))
        SetHeader(0, 0); // a refused image leaves the picture empty (0 × 0)
}

std::optional<CError> CUpLoadPic::CheckSourceSize(int w, int h)
{
    if (w < 1 || w > kPanelWidth || h < 1 || h > kPanelHeight)
        return makeError("picture size error!!!(Max Pixel Sope:192 X 64)", "Open picture");
    return std::nullopt;
}

void CUpLoadPic::SetHeader(int w, int h)
{
    info.fill(0);
    putLe32(&info[0], 40);
    putLe32(&info[4], static_cast<std::uint32_t>(w));
    putLe32(&info[8], static_cast<std::uint32_t>(h));
    info[12] = 1; // planes
    info[14] = 1; // bits per pixel
    putLe32(&info[20], static_cast<std::uint32_t>(h * strideOf(w)));
    // Colour table: entry 0 black, entry 1 white.
    info[44] = info[45] = info[46] = 255;
}

int CUpLoadPic::Width() const { return getLe32(&info[4]); }
int CUpLoadPic::Height() const { return getLe32(&info[8]); }

Status CUpLoadPic::TakeImage(const CRgbImage& source)
{
    const int w = source.width;
    const int h = source.height;
    if (auto error = CheckSourceSize(w, h))
        return *error;
    if (source.pixels.size() < static_cast<std::size_t>(w) * h)
        return makeError("Open the picture error!!!", "Open picture");

    SetHeader(w, h);
    const int stride = strideOf(w);
    pixels.assign(static_cast<std::size_t>(h) * stride, 0);
    for (int row = 0; row < h; ++row) {
        std::uint8_t* line = &pixels[static_cast<std::size_t>(h - 1 - row) * stride];
        for (int column = 0; column < w; ++column) {
            const std::uint32_t rgb = source.pixels[static_cast<std::size_t>(row) * w + column];
            const int mean = static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF)) / 3;
            if (mean > kThreshold)
                line[column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
        }
    }
    converted = 1;
    Replace();
    return Ok{};
}

bool CUpLoadPic::IsLight(int column, int row) const
{
    const int h = Height();
    if (column < 0 || column >= Width() || row < 0 || row >= h)
        return false;
    const std::size_t at = static_cast<std::size_t>(h - 1 - row) * Stride() + column / 8;
    return at < pixels.size() && (pixels[at] & (0x80 >> (column % 8)));
}

void CUpLoadPic::Serialize(CArchive& ar)
{
    CBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar.writeBytes(info.data(), info.size());
        ar.writeBytes(pixels.data(), pixels.size());
        ar.writeReserved(kReserved);
        return;
    }
    std::array<std::uint8_t, kInfoSize> loaded;
    ar.readBytes(loaded.data(), loaded.size());
    const std::int32_t w = getLe32(&loaded[4]);
    const std::int32_t h = getLe32(&loaded[8]);
    const auto imageSize = static_cast<std::uint32_t>(getLe32(&loaded[20]));
    if (w < 0 || w > kPanelWidth || h < 0 || h > kPanelHeight)
        ar.fail("picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels does not fit the panel");
    if (imageSize < static_cast<std::uint32_t>(h * strideOf(w)))
        ar.fail("picture data of " + std::to_string(imageSize) + " bytes is too short for its size");
    if (imageSize > ar.remaining())
        ar.fail("picture data of " + std::to_string(imageSize) + " bytes is longer than the rest of the file");
    info = loaded;
    pixels.assign(imageSize, 0);
    ar.readBytes(pixels.data(), pixels.size());
    ar.readReserved(kReserved);
    converted = 1;
    MoveToPanelPosition();
}

void CUpLoadPic::CalcDownloadSize(CCompileContext&) { downloadSize = kRecordSize; }

void CUpLoadPic::CollectCharacters(CCompileContext& ctx)
{
    const int w = Width();
    const int h = Height();
    const int pages = (h - 1) / 8 + 1;
    panelDataSize = static_cast<std::uint32_t>(pages * w);
    m_pictureOffset = static_cast<std::uint32_t>(ctx.pictureData.size());
    for (int page = 0; page < pages; ++page) {
        for (int column = 0; column < w; ++column) {
            std::uint8_t band = 0;
            for (int k = 0; k < 8; ++k) {
                if (IsLight(column, 8 * page + k))
                    band |= static_cast<std::uint8_t>(1 << k);
            }
            ctx.pictureData.push_back(band);
        }
    }
}

void CUpLoadPic::WriteTextCodes(std::uint16_t pictureDataStart)
{
    if (record.size() >= kRecordSize)
        putBe16(&record[5], pictureDataStart + m_pictureOffset);
}

void CUpLoadPic::BuildDownloadData(CCompileContext& ctx)
{
    CBase::BuildDownloadData(ctx);
    if (record.size() < kRecordSize)
        return;
    record[3] = static_cast<std::uint8_t>(Width());
    record[4] = static_cast<std::uint8_t>(Height());
}

void CUpLoadPic::Draw(CPainter& painter) const
{
    const int w = Width();
    const int h = Height();
    if (w <= 0 || h <= 0 || pixels.size() < static_cast<std::size_t>(h) * Stride())
        return;
    // Colour table entries are blue, green, red, 0.
    const auto colour = [&](int entry) {
        const std::uint8_t* c = &info[40 + 4 * entry];
        return static_cast<CColor>(c[2] << 16 | c[1] << 8 | c[0]);
    };
    painter.StretchBitmap({w, h, Stride(), true, pixels.data()}, rect, colour(0), colour(1));
}

void CUpLoadPic::MoveTo(int cx, int cy)
{
    rect = {cx, cy, cx + static_cast<int>(Width() * 2.25 + 0.5), cy + static_cast<int>(Height() * 2.25 + 0.5)};
    x = canvasToPanel(cx);
    y = canvasToPanel(cy);
}

void CUpLoadPic::Describe(CJson& o) const
{
    CBase::Describe(o);
    o.set("converted", converted);
    o.set("width", Width());
    o.set("height", Height());
    o.set("bitmapInfo", hex(info.data(), info.size()));
    o.set("pixels", hex(pixels.data(), pixels.size()));
    o.set("panelDataSize", static_cast<unsigned long>(panelDataSize));
}

} // namespace zl
