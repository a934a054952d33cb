#include "qt/ProgramVersion.h"

// ZL410_VERSION is defined for this file alone (src/CMakeLists.txt), so that a new version recompiles
// nothing else.
namespace zl {

const char* programVersion() { return ZL410_VERSION; }

} // namespace zl
