#pragma once
// The number behind a numeric edit: its range, step, base and signedness, and the rules by which a text
// is validated, read, written and stepped. The edit widget only moves text in and out of this class.
#include <cstdint>
#include <string>
#include <string_view>

namespace zl
{

class CNumValue
{
public:
    // Result of Validate.
    enum Status : int { kValid = 0, kOutOfRange = 1, kEmpty = 2, kNotANumber = 3, kLoneMinus = 4 };

    double minimum = -65535.0;
    double maximum = 65535.0;
    bool hex = false;
    bool octal = false;
    bool isSigned = false;
    std::uint8_t step = 1;

    Status Validate(std::string_view text) const;
    // The number the text holds; 0 unless Validate accepts it.
    std::int64_t Parse(std::string_view text) const;
    // The value brought into the range (signed, or as an unsigned 32-bit number) and its text.
    std::int64_t Clamp(std::int64_t value) const;
    std::string Format(std::int64_t value) const;
    // One spin click of `count` steps from `current`, kept inside the range.
    std::int64_t ChangeBy(std::int64_t current, int count) const;
    // Whether `text` is on its way to a number of a range that leaves out 0 (a minimum of 16, say): empty,
    // or nearer 0 than the range, so that more digits may reach it. Such a text is not refused while
    // typing; the range applies when the entry is complete.
    bool Incomplete(std::string_view text) const;
    // The number `text` holds, brought into the range (the minimum for an empty text).
    std::int64_t Complete(std::string_view text) const;
    // A range whose minimum is not below its maximum leaves nothing to choose: the edit is disabled.
    bool Choosable() const { return minimum < maximum; }

private:
    // Reads the text in the edit's base, whatever the range; false when it is no number.
    bool read(std::string_view text, std::int64_t& value) const;
    bool leavesOutZero() const { return minimum > 0 || maximum < 0; }
    // The value as the signed or unsigned 32-bit number the edit holds.
    std::int64_t as32Bits(std::int64_t value) const;
};

} // namespace zl
