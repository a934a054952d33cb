#pragma once
// The LED: a round or square lamp the panel shows lit or unlit by one PLC bit. The reverse flag is its
// logic: 0 positive (lit while the bit is 1), 1 negative.
#include <cstdint>
#include <memory>

#include "components/CLightFunc.h"

namespace zl {

struct CProtocolTables;

class CLight : public CLightFunc {
public:
    static constexpr const char* kClassName = "CLight";

    // For loading: the file supplies every field.
    CLight();
    CLight(unsigned protocol, CPoint canvas);
    CLight(const CLight& other) = default;

    const char* GetRuntimeClass() const override { return kClassName; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CLight>(*this); }

    // The common part, then bit offset and, from format version 11 on, sub-type, protocol-31 type value
    // and address; 50 reserved bytes.
    void Serialize(CArchive& ar) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    void BuildDownloadData(CCompileContext& ctx) override;
    void Draw(CPainter& painter) const override;
    // 36 × 36 canvas pixels, 72 × 72 when double.
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // The lamp the panel shows while the bit is 0, which the preview shows too: 2 × shape + logic.
    std::uint8_t PreviewPicture() const;
    // Largest bit offset inside a unit of the chosen type (the offset spin's range).
    int BitOffsetMax(const CProtocolTables& tables) const;
    // Derives the protocol-31 type value and sub-address from the variable group and sub-type.
    void DeriveVariable();

    std::uint16_t protocol31Address = 0;
    std::uint8_t protocol31TypeValue = 0;
    std::uint8_t bitOffset = 0;
};

} // namespace zl
