#pragma once
// The bar graph and the trend line: a rectangle, sized in panel pixels, that shows a PLC register between
// a minimum and a maximum — as a bar growing in one direction, or as a curve of values the panel samples
// at a fixed interval. They share the operand, size and range, the body of their file part and the first
// 19 bytes of their record.
#include "components/RegisterOperand.h"
#include "model/CBase.h"

namespace zl {

struct CProtocolTables;

class CBarTide : public CBase {
public:
    void Serialize(CArchive& ar) override;
    // Repairs an inverted range (limit flag 3) and writes the common part of the record.
    void BuildDownloadData(CCompileContext& ctx) override;
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // Type value of the operand: the protocol-31 one, else the word register list's.
    std::uint8_t TypeValue(const CProtocolTables& tables) const;
    // Under protocol 31, takes the variable's number and type value from register type and sub-type.
    void SelectVariable(unsigned protocol) { selectWordVariable(protocol, *this, protocol31TypeValue); }

    std::uint32_t maxValue = 0; // 32-bit patterns, signed when the signed flag is set
    std::uint32_t minValue = 0;
    static constexpr int kSmallestSide = 16; // panel pixels either way
    std::uint8_t height = 48;   // panel pixels
    std::uint8_t width = 0;
    std::uint16_t protocol31Address = 0;
    std::uint8_t protocol31TypeValue = 0;

protected:
    CBarTide(unsigned protocol, std::uint8_t typeCode, std::uint8_t width);
    CBarTide(const CBarTide&) = default;
    // Bits of the value that the range of the page is built from.
    CValueRange RangeOfBits(const CProtocolTables& tables, unsigned bits) const;
};

class CBar : public CBarTide {
public:
    enum Direction : std::uint8_t { kUp, kDown, kLeft, kRight };

    CBar();
    CBar(unsigned protocol, CPoint canvas);
    CBar(const CBar&) = default;

    const char* GetRuntimeClass() const override { return "CBar"; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CBar>(*this); }
    void Serialize(CArchive& ar) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    void BuildDownloadData(CCompileContext& ctx) override;
    // A sample bar, one third full.
    void Draw(CPainter& painter) const override;
    void Describe(CJson& out) const override;

    // Swaps width and height and places the bar again.
    void Rotate();
    // Sets the direction; a change between vertical (UP, DOWN) and horizontal (LEFT, RIGHT) rotates.
    void SetDirection(std::uint8_t to);
    CValueRange LimitRange(const CProtocolTables& tables) const;

    std::uint8_t direction = kUp;
};

class CTide : public CBarTide {
public:
    CTide();
    CTide(unsigned protocol, CPoint canvas);
    CTide(const CTide&) = default;

    const char* GetRuntimeClass() const override { return "CTide"; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CTide>(*this); }
    void Serialize(CArchive& ar) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    // The compiler sets trendOrdinal and trendCount first.
    void BuildDownloadData(CCompileContext& ctx) override;
    // Axes and a sample curve.
    void Draw(CPainter& painter) const override;
    void Describe(CJson& out) const override;

    CValueRange LimitRange(const CProtocolTables& tables) const;

    std::uint8_t trendOrdinal = 0; // position among the window's trend lines; not stored in files
    std::uint8_t trendCount = 0;   // trend lines in the window; not stored in files
    std::uint8_t sampleDots = 20;
    std::uint16_t sampleInterval = 5; // seconds
};

} // namespace zl
