#pragma once
// Reading the bitmap file a new picture is made from.
#include <QString>

#include "components/CUpLoadPic.h"
#include "model/Result.h"

namespace zl {

// The image of a Windows bitmap file; an error when it cannot be read as one.
Result<CRgbImage> LoadPictureFile(const QString& path);

} // namespace zl
