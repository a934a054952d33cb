#pragma once
// Windows bitmap files (1, 4, 8, 24 or 32 bits per pixel, bottom-up or top-down, RLE-compressed or not)
// read for a new picture.
#include <string>

#include "components/CUpLoadPic.h"
#include "base/Result.h"

namespace zl {

// The bitmap at `path` as top-down 0xRRGGBB pixels. A file that cannot be read as a bitmap gives "Open the
// picture error!!!", one wider than 192 or higher than 64 pixels "picture size error!!!(Max Pixel
// Sope:192 X 64)", both with the caption "Open picture". The size is checked from the file's header, so
// a huge image is refused before anything is decoded; an uncompressed file without all its rows is
// refused too.
Result<CRgbImage> LoadBitmapFile(const std::string& path);

} // namespace zl
