#include "base/Gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace zl {
namespace {

// One conversion with iconv; `replace` is appended for every input sequence that has no mapping.
// Returns nullopt on such a sequence when `replace` is empty.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   std::string_view replace, std::size_t unit)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out;
    char buffer[256];
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::optional<std::string> result;
    for (;;) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, srcLeft ? &src : nullptr, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst);
        if (rc != static_cast<std::size_t>(-1)) {
            if (srcLeft == 0) {
                result = std::move(out);
                break;
            }
            continue;
        }
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: a sequence without a mapping, or cut short at the end.
        if (replace.empty())
            break;
        out.append(replace);
        const std::size_t skip = std::min(unit, srcLeft);
        src += skip;
        srcLeft -= skip;
        if (srcLeft == 0) {
            result = std::move(out);
            break;
        }
    }
    iconv_close(cd);
    return result;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    return convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", 1).value_or(std::string());
}

std::optional<std::string> utf8ToGbk(std::string_view utf8)
{
    return convert("GBK", "UTF-8", utf8, {}, 1);
}

std::string utf16leToGbk(std::string_view utf16le)
{
    return convert("GBK", "UTF-16LE", utf16le, "?", 2).value_or(std::string());
}

} // namespace zl
