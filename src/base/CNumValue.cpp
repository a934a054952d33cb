#include "base/CNumValue.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace zl
{
namespace
{

constexpr std::int64_t kSaturated = std::int64_t(1) << 40; // far beyond any 32-bit range

// Digits of `base` only; saturates instead of overflowing so a long text reads as out of range.
bool readDigits(std::string_view text, int base, std::int64_t& value)
{
    value = 0;
    for (const char ch : text) {
        int digit = -1;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        if (digit < 0 || digit >= base)
            return false;
        value = std::min(value * base + digit, kSaturated);
    }
    return true;
}

// A decimal number with an optional sign and nothing after it.
bool readDecimal(std::string_view text, std::int64_t& value)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !readDigits(text, 10, value))
        return false;
    if (negative)
        value = -value;
    return true;
}

} // namespace

std::int64_t CNumValue::as32Bits(std::int64_t value) const
{
    if (isSigned)
        return static_cast<std::int32_t>(value);
    return static_cast<std::uint32_t>(value);
}

bool CNumValue::read(std::string_view text, std::int64_t& value) const
{
    const bool number = hex     ? readDigits(text, 16, value)
                        : octal ? readDigits(text, 8, value)
                                : readDecimal(text, value);
    // A hexadecimal text of a signed edit is the 32-bit pattern of the number.
    if (number && hex && isSigned && value <= 0xFFFFFFFF)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return number;
}

CNumValue::Status CNumValue::Validate(std::string_view text) const
{
    if (text.empty())
        return kEmpty;
    if (text == "-")
        return isSigned ? kLoneMinus : kNotANumber;
    std::int64_t value = 0;
    if (!read(text, value))
        return kNotANumber;
    if (double(value) > maximum || double(value) < minimum)
        return kOutOfRange;
    return kValid;
}

std::int64_t CNumValue::Parse(std::string_view text) const
{
    std::int64_t value = 0;
    if (Validate(text) != kValid || !read(text, value))
        return 0;
    return value;
}

bool CNumValue::Incomplete(std::string_view text) const
{
    if (!leavesOutZero())
        return false;
    if (text.empty() || (isSigned && text == "-"))
        return true;
    std::int64_t value = 0;
    if (!read(text, value))
        return false;
    return (minimum > 0 && value >= 0 && double(value) < minimum) ||
           (maximum < 0 && value <= 0 && double(value) > maximum);
}

std::int64_t CNumValue::Complete(std::string_view text) const
{
    std::int64_t value = 0;
    if (!read(text, value))
        value = 0;
    return Clamp(value);
}

std::int64_t CNumValue::Clamp(std::int64_t value) const
{
    const std::int64_t v = as32Bits(value);
    if (double(v) > maximum)
        return static_cast<std::int64_t>(std::floor(maximum));
    if (double(v) < minimum)
        return static_cast<std::int64_t>(std::ceil(minimum));
    return v;
}

std::string CNumValue::Format(std::int64_t value) const
{
    char text[24];
    const auto bits = static_cast<std::uint32_t>(value);
    if (octal)
        std::snprintf(text, sizeof text, "%o", bits);
    else if (hex)
        std::snprintf(text, sizeof text, "%X", bits);
    else if (isSigned)
        std::snprintf(text, sizeof text, "%d", static_cast<std::int32_t>(value));
    else
        std::snprintf(text, sizeof text, "%u", bits);
    return text;
}

std::int64_t CNumValue::ChangeBy(std::int64_t current, int count) const
{
    // Stepping is done wide, so neither end wraps round to the other.
    const std::int64_t from = as32Bits(current);
    const std::int64_t to = from + std::int64_t(count) * step;
    if (double(to) > maximum)
        return static_cast<std::int64_t>(std::floor(maximum));
    if (double(to) < minimum)
        return static_cast<std::int64_t>(std::ceil(minimum));
    return to;
}

} // namespace zl
