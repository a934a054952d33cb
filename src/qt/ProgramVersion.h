#pragma once
// The version of the programs, as the build names it (the project's version in CMakeLists.txt).

namespace zl {

// "MAJOR.MINOR.PATCH", e.g. "4.8.8".
const char* programVersion();

} // namespace zl
