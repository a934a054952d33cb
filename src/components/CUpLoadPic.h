#pragma once
// The picture: a monochrome image of at most 192 × 64 panel pixels. It keeps a 1-bit copy of the image
// (a bottom-up bitmap with its 48-byte bitmap information: header and black/white colour table), stores it
// in the project file and, when compiled, converts it into the panel's 8-row pages.
#include <array>
#include <optional>
#include <vector>

#include "model/CBase.h"
#include "base/Result.h"

namespace zl {

// A source image: 0xRRGGBB per pixel, rows top-down.
struct CRgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class CUpLoadPic : public CBase {
public:
    static constexpr std::size_t kInfoSize = 48; // 40-byte header and two colour table entries

    // Empty, for loading.
    CUpLoadPic();
    // A new picture at the canvas point without an image yet (0 × 0): TakeImage gives it one.
    CUpLoadPic(unsigned protocol, CPoint canvas);
    // A new picture at the canvas point holding `source`, which CheckSourceSize accepts.
    CUpLoadPic(unsigned protocol, CPoint canvas, const CRgbImage& source);
    CUpLoadPic(const CUpLoadPic&) = default;

    // Whether an image of this size may become a picture; the text is what the user reads.
    static std::optional<CError> CheckSourceSize(int width, int height);

    const char* GetRuntimeClass() const override { return "CUpLoadPic"; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CUpLoadPic>(*this); }
    // A stored image must fit the panel and its pixel data must be in the file.
    void Serialize(CArchive& ar) override;
    // `pictureDataStart` is the panel address of the project's picture data; the record gets the address
    // of this picture's own pages within it, as CollectCharacters placed them.
    void WriteTextCodes(std::uint16_t pictureDataStart) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    // Appends the panel pages to ctx.pictureData: w bytes per band of 8 rows, top band first, bit 0 the
    // band's top row, bit 1 a light pixel.
    void CollectCharacters(CCompileContext& ctx) override;
    void BuildDownloadData(CCompileContext& ctx) override;
    // The image stretched over the rectangle in its colour table's colours.
    void Draw(CPainter& painter) const override;
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // Takes the 1-bit image from `source`: a pixel is light when the mean of its red, green and blue is
    // above 128. Fails, keeping the current image, for a size CheckSourceSize refuses or missing pixels.
    Status TakeImage(const CRgbImage& source);

    int Width() const;
    int Height() const;
    // Bytes per pixel row: rows are padded to whole 32-bit words.
    int Stride() const { return (Width() + 31) / 32 * 4; }
    // Whether the pixel at (column, row from the top) is light.
    bool IsLight(int column, int row) const;

    std::uint8_t converted = 1;               // the 1-bit image has been taken
    std::array<std::uint8_t, kInfoSize> info{}; // bitmap header and colour table, as files store them
    Bytes pixels;                              // rows bottom-up, most significant bit leftmost
    std::uint32_t panelDataSize = 0;           // bytes of panel pages, set by CollectCharacters

private:
    void SetHeader(int width, int height);

    std::uint32_t m_pictureOffset = 0; // where CollectCharacters put the pages in the picture data
};

} // namespace zl
