#pragma once
// Whole-file reading and safe whole-file writing.
#include <string>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

// The bytes of the file; the error names the path and the system's reason.
Result<Bytes> ReadWholeFile(const std::string& path);

// Writes `data` to a temporary file beside `path`, flushes it to the disk and only then renames it over
// `path`, so that a failed write (no space, no permission) leaves the previous file as it was and no
// temporary behind. A target that exists but is not a regular file (a device, a pipe) is written
// directly. The error names the path and the system's reason.
Status WriteFileSafely(const std::string& path, const Bytes& data);

} // namespace zl
