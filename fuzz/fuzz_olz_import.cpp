// Old-project import: any bytes either convert or give an error, without a crash, a hang or an
// allocation the input does not justify. What converts must load through the normal project reader.
#include <cstddef>
#include <cstdint>

#include "import/OldProjectConverter.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zl::Bytes old(data, data + size);
    const auto converted = zl::ConvertOldProject(old);
    if (!converted.ok())
        return 0;
    // A converted file grows by a bounded factor: the largest growth is an empty dynamic text's 35
    // bytes becoming about 330.
    if (converted.value().size() > 16 * size + 1024)
        __builtin_trap();
    zl::CProject project;
    if (!zl::ReadProject(converted.value(), project).ok())
        __builtin_trap();
    return 0;
}
