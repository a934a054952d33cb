#pragma once
// Where everything of a compiled download image lies: the header's addresses, the glyph counts, each
// window's table entry and each component's record, the dynamic-text tables and the alarm list. Panel
// addresses, 0x8000 being the image's first byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zl {

class CJson;

struct CImageMap {
    struct Component {
        std::size_t listPosition = 0; // in the window's component list
        std::uint8_t typeCode = 0;
        std::string className;
        std::uint16_t address = 0; // of the record
        std::size_t size = 0;
    };
    struct TextTable { // a dynamic text's table
        std::size_t listPosition = 0;
        std::uint16_t address = 0;
        std::size_t size = 0;
    };
    struct Window {
        std::uint16_t number = 0;
        std::uint16_t entry = 0; // of the window's entry in the window table
        std::uint16_t upJump = 0;
        std::uint16_t downJump = 0;
        std::uint16_t pointerTable = 0;
        std::vector<Component> components; // in pointer-table order
        std::vector<TextTable> textTables;
    };

    std::size_t imageSize = 0;
    std::uint16_t windowTable = 0;
    std::uint16_t alarmList = 0;
    std::uint16_t glyphArea = 0;
    std::uint16_t singleByteGlyphs = 0;
    std::uint16_t pictureData = 0;
    std::size_t ledGlyphs = 0; // 4 when the LED block is present
    std::size_t symbols = 0;
    std::size_t doubleByteChars = 0;
    std::size_t singleByteChars = 0;
    std::size_t pictureBytes = 0;
    std::size_t alarmTexts = 0;
    std::vector<Window> windows;

    // Addresses as "0x8030" strings, counts and sizes as numbers.
    CJson Describe() const;
};

} // namespace zl
