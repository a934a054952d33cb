#pragma once
// The function key: one of the panel's 20 keys, drawn as its symbol (with a hand beside it on request).
// Pressed while its window is shown, the panel sets a coil, writes a register or jumps to a window, the
// alarm list or the time/date screen.
#include <cstdint>
#include <string>
#include <vector>
#include <memory>
#include <utility>

#include "components/CLightFunc.h"

namespace zl {

struct CProtocolTables;

class CFunction : public CLightFunc {
public:
    static constexpr const char* kClassName = "CFunction";
    static constexpr std::uint8_t kKeyCount = 20;
    static constexpr std::uint8_t kHandSymbol = 20;
    enum CAction : std::uint8_t { kSetCoil = 0, kJumpTo = 1, kSetRegister = 2 };
    enum CValueFormat : std::uint8_t { kUnsigned = 0, kHex = 1, kSigned = 2 };
    // SetAttribute selectors of the page's radio groups.
    enum CSelector : int { kActionSelector = 1, kCoilActionSelector = 2, kJumpTargetSelector = 3 };

    // For loading: the file supplies every field.
    CFunction();
    // A new key ("Right") under `protocol` at the canvas point.
    CFunction(unsigned protocol, CPoint canvas);
    CFunction(const CFunction& other) = default;

    const char* GetRuntimeClass() const override { return kClassName; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CFunction>(*this); }

    // The common part, then the key's own fields; those from the sub-type on only from format version 11.
    void Serialize(CArchive& ar) override;
    // Selector 1 sets the action, 2 the coil action, 3 the jump target; others do nothing.
    void SetAttribute(std::uint8_t value, int selector) override;
    // Adds the index of the first symbol glyph to the record's symbol bytes.
    void WriteTextCodes(std::uint16_t offset) override;
    void CalcDownloadSize(CCompileContext& ctx) override;
    // Adds the hand and the key to the project's symbols and writes their positions into the record.
    void CollectCharacters(CCompileContext& ctx) override;
    // A password-protected key sets the project's write flag.
    void BuildDownloadData(CCompileContext& ctx) override;
    // The key's picture; with the hand, the hand in the left half and the key in the right.
    void Draw(CPainter& painter) const override;
    // 36 × 36 canvas pixels per symbol, twice as wide with the hand; doubled when double.
    void MoveTo(int canvasX, int canvasY) override;
    void Describe(CJson& out) const override;

    // The key, with a value past the last key taken as the last one.
    std::uint8_t Key() const;
    // The code the panel's keypad sends for the key.
    std::uint8_t KeyCode() const;
    // The names of the keys as the keypad labels them, in key order: "ESC", "Left", …, "CLR".
    static const std::vector<std::string>& KeyNames();
    // Preview pictures: the key's (normal, reverse or invisible) and the hand's.
    std::uint8_t KeyPicture() const;
    std::uint8_t HandPicture() const { return static_cast<std::uint8_t>(64 + (reverse ? 1 : 0)); }
    // Sets the value format with the bytes that follow it: byte A and the signed flag mark "Signed".
    void SetValueFormat(std::uint8_t valueFormat);
    // The range the value edit of "Set Register" offers for the chosen type and format.
    std::pair<std::int64_t, std::int64_t> ValueRange(const CProtocolTables& tables) const;
    // Protocol 31: derives the type value and sub-address of the chosen variable for the action, and the
    // address from the variable group and the low byte of the address field.
    void DeriveVariable();

    std::uint8_t hand = 0;
    std::uint8_t invisible = 0;
    std::uint8_t password = 0;
    std::uint8_t action = kSetCoil;
    std::uint8_t coilAction = 0; // 0 ON, 1 OFF, 2 Reverse, 3 Instant on
    std::uint8_t jumpTarget = 0; // 0 window, 1 alarm list, 2 time/date
    std::uint16_t windowNumber = 0;
    std::int32_t value = 0;
    std::uint16_t protocol31Address = 0;
    std::uint8_t protocol31RegisterTypeValue = 0;
    std::uint8_t protocol31CoilTypeValue = 0;
};

} // namespace zl
