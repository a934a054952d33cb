#pragma once
// Converts a project of the older panel generation (.olz) into a project file that the normal reader
// loads as format version 1. No project objects are built: the old records are rewritten byte by byte.
#include "base/Bytes.h"
#include "base/Result.h"

namespace zl {

// Caption of the converter's messages.
inline constexpr const char* kImportCaption = "Import .OLZ Project";
// The old file cannot be opened or read.
inline constexpr const char* kOpenOldFileError = "Open the file error!";
// The old file's signature is wrong.
inline constexpr const char* kOldFileTypeError = "the file type error!";
// Shown when the converted project has been written.
inline constexpr const char* kConversionDone = "conversion accomplished!";

// The project file for the old file `old`, or why it cannot be converted (a wrong signature, or a record
// that is damaged or ends past the end of the file; the error carries the byte offset).
Result<Bytes> ConvertOldProject(const Bytes& old);

} // namespace zl
