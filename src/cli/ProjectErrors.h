#pragma once
// How the project commands report a project file that cannot be opened, read or written.
#include <string>

#include "base/Result.h"

namespace zl::cli {

// The error with the path in front unless the message already names it.
inline std::string projectFailure(const std::string& path, const CError& e)
{
    const std::string text = e.describe();
    return text.find(path) == std::string::npos ? path + ": " + text : text;
}

} // namespace zl::cli
