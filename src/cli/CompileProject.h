#pragma once
// Opens a project file as the tool does and compiles it for the panel: shared by the commands that
// produce or send a download image.
#include <string>

#include "compile/CImageCompiler.h"
#include "base/Result.h"

namespace zl {
class CProject;
}

namespace zl::cli {

// Start-up state (the user's "In.dat" and the catalogue of `dataDir`), then the pre-open check and the
// load of `projectPath` into `project`; errors name the file.
Status openProjectFile(const std::string& projectPath, const std::string& dataDir, CProject& project);

// The project opened as above, then compiled. A compile that repaired limits fails with the
// components it repaired, unless `acceptLimitRepair` (the answer Cancel to "Register Limit error,
// cancel?"); then the repaired lines are reported on stderr.
Result<CCompiledImage> compileProjectFile(const std::string& projectPath, const std::string& dataDir,
                                          bool acceptLimitRepair);

} // namespace zl::cli
