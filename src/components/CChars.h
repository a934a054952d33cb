#pragma once
// Static text: a fixed GBK string at a panel position, normal or reverse video, normal or double size.
// Its record carries the text as codes into the project's character tables.
#include <cstdint>
#include <memory>
#include <string>

#include "model/CBase.h"

namespace zl {

class CChars : public CBase {
public:
    static constexpr const char* kClassName = "CChars";
    static constexpr const char* kDefaultText = "Text";

    // For loading: the file supplies every field.
    CChars();
    // A new text under `protocol` at the canvas point.
    CChars(unsigned protocol, CPoint canvas, std::string gbkText = kDefaultText);
    CChars(const CChars& other);

    const char* GetRuntimeClass() const override { return kClassName; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CChars>(*this); }

    // Common part, double flag, reverse flag, text, 50 reserved bytes.
    void Serialize(CArchive& ar) override;
    void WriteTextCodes(std::uint16_t offset) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    void CollectCharacters(CCompileContext& ctx) override;
    // x, y, attribute (bit 0 reverse, bit 1 double), text length; the codes follow from CollectCharacters.
    void BuildDownloadData(CCompileContext& ctx) override;
    void Draw(CPainter& painter) const override;
    // One 18 × 36 canvas cell per byte, twice as wide and high when double; refreshes the text length.
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    std::uint8_t textLength = 0; // bytes of the text the record carries
    std::string text;            // GBK
};

} // namespace zl
