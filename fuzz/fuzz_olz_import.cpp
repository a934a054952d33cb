// Old-project import: any bytes either convert or give an error, without a crash, a hang or an
// allocation the input does not justify.
#include <cstddef>
#include <cstdint>

#include "import/OldProjectConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zl::Bytes old(data, data + size);
    const auto converted = zl::ConvertOldProject(old);
    // A converted file grows by a bounded factor: the largest growth is an empty dynamic text's 35
    // bytes becoming about 330.
    if (converted.ok() && converted.value().size() > 16 * size + 1024)
        __builtin_trap();
    return 0;
}
