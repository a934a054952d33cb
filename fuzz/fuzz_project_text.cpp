// Project texts: any bytes are either refused with a message or make a project file that reads back,
// without a crash, a hang or an allocation the input does not justify.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "file/CProjectFile.h"
#include "file/CProjectText.h"
#include "model/CProject.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = zl::ImportProjectText({reinterpret_cast<const char*>(data), size});
    if (!bytes)
        return 0;
    zl::CProject project;
    if (!zl::ReadProject(*bytes, project).ok())
        __builtin_trap();
    return 0;
}
