// Project files: any bytes either load or give an error, without a crash, a hang or an allocation the
// input does not justify. What loads must save, and the saved file must load back to the same bytes.
#include <cstddef>
#include <cstdint>

#include "model/CProject.h"
#include "file/CProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zl::Bytes file(data, data + size);
    zl::CProject project;
    if (!zl::ReadProject(file, project).ok())
        return 0;
    const zl::Bytes saved = zl::WriteProject(project);
    zl::CProject again;
    if (!zl::ReadProject(saved, again).ok() || zl::WriteProject(again) != saved)
        __builtin_trap();
    return 0;
}
