#pragma once
// The common base of every screen component: position on the panel and the canvas, the PLC operand,
// the display flags, the download record, and the operations through which windows, the editor and the
// compiler treat components alike.
#include <cstdint>
#include <memory>

#include "base/Bytes.h"
#include "base/Geometry.h"

namespace zl {

class CArchive;
class CJson;
class CPainter;
struct CCompileContext;

// Component type codes: the first byte of every component in files and records.
enum CTypeCode : std::uint8_t {
    kStaticText = 1,
    kRegister = 2,
    kLed = 3,
    kFunctionKey = 4,
    kPicture = 5,
    kBarGraph = 6,
    kTrendLine = 7,
    kDynamicText = 8,
};

class CBase {
public:
    virtual ~CBase() = default;

    // Class name as the project file announces it ("CChars", "CRegister", …).
    virtual const char* GetRuntimeClass() const = 0;
    virtual std::unique_ptr<CBase> Clone() const = 0;

    // The common part in files: type code, then panel x and y as 32-bit integers.
    virtual void Serialize(CArchive& ar);
    // Stores `value` in the format field; the selector is for the function key's attribute bytes.
    virtual void SetAttribute(std::uint8_t value, int selector);
    virtual void FreeDownloadData();
    // Relocates the record's text codes (or, for pictures, places their data) by `offset`.
    virtual void WriteTextCodes(std::uint16_t offset);
    virtual void CalcDownloadSize(CCompileContext& ctx);
    virtual void CollectCharacters(CCompileContext& ctx);
    // Allocates a zero-filled record of the download size with x and y in bytes 0 and 1.
    virtual void BuildDownloadData(CCompileContext& ctx);
    virtual void Draw(CPainter& painter) const;
    // Sets the rectangle's top-left to the canvas point, its size from the component, and x and y.
    virtual void MoveTo(int canvasX, int canvasY);
    // Every field as JSON, for reports; components add their own after the common ones.
    virtual void Describe(CJson& out) const;

    // --- placement
    bool HitTest(CPoint canvas) const { return rect.contains(canvas); }
    bool InsideCanvas() const;
    void ClampToCanvas();
    // MoveTo the point and clamp: what a new component does.
    void PlaceAt(CPoint canvas);
    // MoveTo the current top-left and clamp: after a change of size. True when the position changed.
    bool Replace();
    // Drags by whole 9-pixel steps once the mouse has moved more than 8 pixels; advances `mouse` by the
    // steps taken so that the remainder carries over. Returns the canvas area to repaint: the old and new
    // rectangles united and grown by one pixel.
    CRect Drag(CPoint& mouse, CPoint to);
    // Moves by whole panel pixels, kept inside the panel. True when the position changed.
    bool MoveByPanel(int dx, int dy);
    // Largest panel x and y at which the component still fits on the panel (the position spins' ranges).
    int MaxPanelX() const;
    int MaxPanelY() const;
    // The panel x and y of the component pulled back against the canvas's right and bottom edges: the
    // largest position the bar and trend line page offer, which is MaxPanelX/Y rounded.
    int EdgePanelX() const;
    int EdgePanelY() const;

    CRect rect;                    // on the canvas, canvas pixels
    std::uint8_t typeCode = 0;
    std::uint8_t keyByteA = 0;     // function key only
    std::uint8_t subType = 0;      // protocol 31: the variable's position in its group's list
    std::uint8_t subAddress = 0;
    std::uint8_t registerType = 0; // index into a register type list of the protocol
    std::uint16_t address = 0;
    std::uint8_t format = 1;
    std::uint8_t station = 1;
    std::uint8_t keyByteB = 0;     // function key only
    std::uint8_t wordCount = 1;
    std::int32_t x = 0;            // on the panel, panel pixels
    std::int32_t y = 0;
    std::uint8_t doubleSize = 0;
    std::uint8_t reverse = 0;
    std::uint8_t isSigned = 0;
    std::uint16_t downloadSize = 0;
    Bytes record;                  // the compiled download record; empty when none

protected:
    // Defaults of a new component under `protocol`.
    explicit CBase(unsigned protocol);
    // Copies every field but the download record.
    CBase(const CBase& other);
    CBase& operator=(const CBase&) = delete;

    // Operand bytes of a record: station, type value, address (big-endian), length in bytes
    // ((type value & 0x0F) × word count), sub-address.
    void WriteOperand(std::uint8_t* at, std::uint8_t typeValue, std::uint16_t operandAddress) const;
    // After loading: MoveTo the canvas point of the stored panel position. x and y keep their stored
    // values, so a position off the panel is saved back unchanged.
    void MoveToPanelPosition();
};

// Default address and station of a new operand under `protocol`.
std::uint16_t defaultOperandAddress(unsigned protocol);
std::uint8_t defaultOperandStation(unsigned protocol);

} // namespace zl
