#pragma once
// The project as text: every field the project file stores, as JSON with a fixed order and each group of
// related fields on one line, so that a diff of two projects reads as the fields that changed. Reading
// the text back checks every value's type and width, then reads the bytes it makes through the project
// file reader, so a text is refused for what a project file would be refused for; a refusal names the
// value's path ("windows[3].components[2].operand.address") and the reason.
#include <string>
#include <string_view>

#include "base/Bytes.h"
#include "base/Result.h"

namespace zl
{

class CProject;

std::string ExportProjectText(const CProject& project);

// The project file bytes (format version 12) the text describes.
Result<Bytes> ImportProjectText(std::string_view text);

} // namespace zl
