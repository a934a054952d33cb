#include "model/TextCodes.h"

#include <algorithm>
#include <string>

#include "base/Gbk.h"
#include "model/CCompileContext.h"

namespace zl {
namespace
{

std::string hexByte(std::uint8_t b)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[b >> 4] + digits[b & 0xF];
}

} // namespace

std::string_view RecordText(std::string_view text)
{
    constexpr std::size_t kMax = 0xFF;
    if (text.size() <= kMax)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t step = static_cast<std::uint8_t>(text[end]) >= 0x80 ? 2 : 1;
        if (end + step > kMax)
            break;
        end += step;
    }
    return text.substr(0, end);
}

void WriteTextCodesInto(std::string_view text, std::uint8_t* to, std::uint16_t base, CCompileContext& ctx)
{
    if (const auto at = firstUnshowableByte(text); at && ctx.unshowable.empty())
        ctx.unshowable = "the byte " + hexByte(static_cast<std::uint8_t>(text[*at])) + " at byte " +
                         std::to_string(*at + 1) + " of its text";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c < 0x80) {
            auto& table = ctx.singleByteChars;
            auto it = std::find(table.begin(), table.end(), c);
            if (it == table.end())
                it = table.insert(table.end(), c);
            to[i] = static_cast<std::uint8_t>(it - table.begin());
            continue;
        }
        // A lead byte at the very end has no partner; it still takes one code byte position, so the
        // pair is the lead byte and a zero.
        const std::string pair{static_cast<char>(c), i + 1 < text.size() ? text[i + 1] : '\0'};
        auto& table = ctx.doubleByteChars;
        auto it = std::find(table.begin(), table.end(), pair);
        if (it == table.end())
            it = table.insert(table.end(), pair);
        const unsigned code = 0x8000u + base + static_cast<unsigned>(it - table.begin());
        to[i] = static_cast<std::uint8_t>(code >> 8);
        if (i + 1 < text.size())
            to[i + 1] = static_cast<std::uint8_t>(code);
        ++i;
    }
}

std::string unshowableText(const std::string& unshowable)
{
    return "holds a character the panel cannot show (" + unshowable +
           "): type it again or remove it; the panel shows ASCII and two-byte GBK characters";
}

void RelocateTextCodes(std::uint8_t* codes, std::size_t length, std::uint16_t offset)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (!(codes[i] & 0x80))
            continue;
        // A code whose second byte lies past the area (a lead byte at the end) is left as it is.
        if (i + 1 >= length)
            break;
        const unsigned code = ((unsigned(codes[i]) << 8) | codes[i + 1]) + offset;
        codes[i] = static_cast<std::uint8_t>(code >> 8);
        codes[i + 1] = static_cast<std::uint8_t>(code);
        ++i;
    }
}

} // namespace zl
