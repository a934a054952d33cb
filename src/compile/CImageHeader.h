#pragma once
// The 48-byte header at the start of the download image: where the tables lie, and the panel's and the
// line's settings as the panel reads them.
#include <array>
#include <cstdint>

namespace zl {

class CProject;

struct CImageHeaderInputs {
    std::uint16_t windowTable = 0;
    std::uint16_t alarmList = 0;
    std::uint16_t singleByteGlyphs = 0;
    std::uint8_t driverVersion = 0;
    bool writeFlag = false; // a password-protected entry exists
};

using CImageHeader = std::array<std::uint8_t, 48>;

// First corrects the initial window and, when the screen saver shows a window, the screen-saver window
// in the project's panel settings: a number that names no window becomes the first window's (1 in a
// project without windows).
CImageHeader BuildImageHeader(CProject& project, const CImageHeaderInputs& in);

} // namespace zl
