#pragma once
// A download image taken apart: the header's settings, the glyph tables, the windows with their
// component records, the dynamic-text tables and the alarm list. Everything here comes from the image's
// bytes alone; panel addresses start at 0x8000 with the image's first byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "base/Bytes.h"

namespace zl
{

// The operand bytes of a record: which PLC value it reads or writes.
struct CImageOperand {
    std::uint8_t station = 0;
    std::uint8_t typeValue = 0; // low four bits: bytes per register unit, 0 for a bit device
    std::uint16_t address = 0;
    std::uint8_t length = 0; // bytes
    std::uint8_t subAddress = 0;
};

// One character of a text: a 16 × 16 glyph of the 32-byte table, or an 8 × 16 one of the single-byte table.
struct CImageChar {
    bool wide = false;
    std::uint16_t glyph = 0;
};
using CImageText = std::vector<CImageChar>;

// Attribute bits shared by the text-bearing and numeric records.
enum CImageAttribute : std::uint8_t {
    kAttrReverse = 0x01,
    kAttrDouble = 0x02,
    kAttrEngineering = 0x04, // register
    kAttrInvisible = 0x04,   // function key
    kAttrSet = 0x08,
    kAttrSigned = 0x10,
    kAttrDecimal = 0x20,
    kAttrPassword = 0x40,
    kAttrLimited = 0x80,
};

struct CImageStaticText {
    std::uint8_t attribute = 0;
    CImageText text;
};

struct CImageRegister {
    std::uint8_t attribute = 0;
    CImageOperand operand;
    std::uint8_t width = 0; // characters shown
    std::uint8_t decimals = 0;
    std::optional<std::uint32_t> maxInput, minInput;             // when limited
    std::optional<std::uint32_t> engineeringMax, engineeringMin; // when limited in engineering units
};

struct CImageLed {
    bool doubleSize = false;
    CImageOperand operand;
    std::uint8_t bitOffset = 0;
    std::uint8_t glyphWhenOff = 0; // indexes of the 32-byte glyph table: the LED block
    std::uint8_t glyphWhenOn = 0;
};

struct CImageFunctionKey {
    std::uint8_t attribute = 0;
    CImageOperand operand;
    std::uint8_t keyCode = 0;         // the panel's own key code
    std::uint8_t operation = 0;       // 1 … 4 coil ON/OFF/toggle/pulse, 5 register, 0x80 … 0x82 jumps
    std::uint32_t value = 0;          // bytes 11 … 14; a jump's window is the low 16 bits
    std::vector<std::uint8_t> glyphs; // 32-byte glyphs drawn left to right (the hand, then the key)
};

struct CImagePicture {
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint16_t data = 0; // panel address of its pages
};

struct CImageBar {
    std::uint8_t attribute = 0;
    CImageOperand operand;
    std::uint8_t width = 0, height = 0;
    std::uint32_t maxValue = 0, minValue = 0;
};
struct CImageBarGraph : CImageBar {
    std::uint8_t directionMask = 0; // 1 up, 2 down, 4 left, 8 right
};
struct CImageTrendLine : CImageBar {
    std::uint8_t dots = 0;
    std::uint16_t interval = 0; // seconds between samples
    std::uint8_t trendCount = 0;
    std::uint8_t trendOrdinal = 0;
};

struct CImageDynamicText {
    struct Entry {
        std::uint16_t value = 0;
        std::uint16_t address = 0; // of its text-table entry
        std::uint8_t attribute = 0;
        CImageText text;
    };
    std::uint8_t attribute = 0;
    CImageOperand operand;
    std::uint8_t textWidth = 0;
    std::vector<Entry> entries;
};

using CImageRecord = std::variant<CImageStaticText, CImageRegister, CImageLed, CImageFunctionKey,
                                  CImagePicture, CImageBarGraph, CImageTrendLine, CImageDynamicText>;

struct CImageComponent {
    std::uint8_t typeCode = 0; // 1 … 8 as in projects
    std::uint16_t address = 0; // of the record
    std::uint8_t x = 0, y = 0;
    CImageRecord record;
};

struct CImageWindow {
    std::uint16_t number = 0;
    std::uint16_t upJump = 0;
    std::uint16_t downJump = 0;
    std::uint16_t pointerTable = 0;
    std::vector<CImageComponent> components; // in pointer-table order
};

struct CImageAlarmList {
    std::uint8_t station = 0;
    std::uint8_t typeValue = 0;
    std::uint8_t addressHigh = 0, addressLow = 0; // as the protocol packs the initial coil
    std::uint8_t lengthCode = 0;
    std::uint8_t bitFieldA = 0, bitFieldB = 0;
    struct Entry {
        std::uint16_t address = 0; // of its text record
        CImageText text;
    };
    std::vector<Entry> entries;
};

struct CImageSettings {
    std::uint16_t windowTable = 0;
    std::uint16_t alarmList = 0;
    std::uint16_t glyphArea = 0;
    std::uint16_t singleByteGlyphs = 0;
    std::uint8_t plcStation = 0;
    std::uint8_t protocol = 0;
    std::uint8_t driverVersion = 0;
    std::uint8_t settingsVersion = 0;
    std::uint16_t windowCount = 0;
    std::uint16_t initialWindow = 0;
    std::uint16_t screenSaverWindow = 0; // 0: the screen saver blanks the screen
    std::uint8_t screenSaverMinutes = 0; // 0: never
    std::uint8_t controlStation = 0;
    std::uint8_t controlTypeValue = 0;
    std::uint16_t controlAddress = 0;
    std::uint8_t registerStep = 0;
    std::uint8_t statusFlags = 0;
    std::uint8_t baud = 0; // index into 1200 … 115200
    std::uint8_t dataBits = 0;
    std::uint8_t stopBits = 0;
    std::uint8_t parity = 0;
    bool hasAlarms = false;
    bool writeFlag = false;
    std::uint16_t password = 0; // decimal, from the packed digits
    std::uint8_t interface = 0;
    std::uint16_t delay = 0;
};

class CDecodedImage
{
public:
    static constexpr std::uint16_t kBase = 0x8000;
    static constexpr std::size_t kMaxSize = 0x8000;

    CImageSettings settings;
    std::size_t wideGlyphs = 0;   // 32-byte glyphs: the LED block, symbols, double-byte characters
    std::size_t narrowGlyphs = 0; // 16-byte glyphs the texts use (the table may hold picture data after them)
    std::vector<CImageWindow> windows;
    CImageAlarmList alarms; // empty when the header says there are none
    Bytes bytes;            // the image itself

    // The 32 or 16 bytes of a glyph in the panel's page format; the reader has checked every index a
    // record names.
    const std::uint8_t* WideGlyph(std::size_t index) const;
    const std::uint8_t* NarrowGlyph(std::size_t index) const;
    // The bytes at panel address `address`.
    const std::uint8_t* At(std::uint16_t address) const { return bytes.data() + (address - kBase); }
    // Position of the window numbered `number` in `windows`, or -1.
    int FindWindow(std::uint16_t number) const;
};

} // namespace zl
