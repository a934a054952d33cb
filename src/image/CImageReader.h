#pragma once
// Reads a download image back into its parts. Every address, count and length is checked against the
// image before it is followed; anything that does not fit is refused with a message and the byte offset
// where it was found.
#include "base/Bytes.h"
#include "base/Result.h"
#include "image/CDecodedImage.h"

namespace zl
{

class CImageReader
{
public:
    static Result<CDecodedImage> Read(Bytes image);
};

} // namespace zl
