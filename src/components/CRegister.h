#pragma once
// The register: a numeric field showing a PLC register, optionally with value entry from the keypad
// (within input limits, optionally scaled to engineering limits). The panel formats and writes the value;
// the component holds the settings and compiles them into an 11-, 19- or 27-byte record.
#include <optional>

#include "components/RegisterOperand.h"
#include "model/CBase.h"
#include "base/Result.h"

namespace zl {

struct CProtocolTables;

class CRegister : public CBase {
public:
    // Empty, for loading.
    CRegister();
    // A new register with the defaults of `protocol`, at the canvas point.
    CRegister(unsigned protocol, CPoint canvas);
    CRegister(const CRegister&) = default;

    const char* GetRuntimeClass() const override { return "CRegister"; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CRegister>(*this); }
    void Serialize(CArchive& ar) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    // Repairs inverted input limits (limit flag 1), sets the write flag for a protected entry, and writes
    // the record.
    void BuildDownloadData(CCompileContext& ctx) override;
    // The sample number in the panel's glyphs.
    void Draw(CPainter& painter) const override;
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // "Register error!" while there are more decimals than digits; the rectangle is then sized without
    // the decimal point.
    std::optional<CError> GeometryError() const;
    // Characters the panel shows: digits, sign, decimal point and a leading "0" when all digits are
    // decimals.
    unsigned DisplayWidth() const;
    // The sample number the preview shows ("-123.45" for 5 digits, 2 decimals, signed).
    std::string SampleText() const;
    // Type value of the operand: the protocol-31 one, else the word register list's.
    std::uint8_t TypeValue(const CProtocolTables& tables) const;
    // What the four limits may be set to.
    CValueRange LimitRange(const CProtocolTables& tables) const;
    // Under protocol 31, takes the variable's number and type value from register type and sub-type.
    void SelectVariable(unsigned protocol) { selectWordVariable(protocol, *this, protocol31TypeValue); }

    std::uint8_t decimals = 0;
    std::uint8_t digits = 5;
    std::uint8_t password = 0;         // value entry asks for the panel password
    std::uint8_t engineeringUnits = 0; // 0 "Original", 1 "Project": the engineering limits are sent
    std::uint8_t set = 0;              // the operator may enter a value
    std::uint8_t limited = 0;          // entered values are kept within the input limits
    std::uint32_t maxInput = 0;        // 32-bit patterns, signed when the signed flag is set
    std::uint32_t minInput = 0;
    std::uint32_t engineeringMax = 0;
    std::uint32_t engineeringMin = 0;
    std::uint16_t protocol31Address = 0;
    std::uint8_t protocol31TypeValue = 0;
};

} // namespace zl
