#pragma once
// One record of an old (.olz) project file, read through bounds checks: the file may be truncated or
// damaged, and every value it holds is checked against the record and the file before it is used.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Bytes.h"

namespace zl {

// What went wrong while walking the old file and where; the converter turns it into an error value.
struct COldFileError {
    std::string text;
    std::size_t offset;
};

class COldRecord {
public:
    // The `size` bytes at `start` of `file`, called `name` in messages ("component 2 of window record 1").
    // Throws COldFileError when the file ends before the record does.
    COldRecord(const Bytes& file, std::size_t start, std::uint64_t size, std::string name);

    // b[n], w[n] and d[n]: the byte, the little-endian 16-bit and 32-bit values at offset n.
    std::uint8_t b(std::size_t n) const;
    std::uint16_t w(std::size_t n) const;
    std::uint32_t d(std::size_t n) const;
    // The `length` bytes at offset `at`; a text that runs past the record throws.
    std::string_view chars(std::size_t at, std::size_t length) const;

    std::size_t start() const { return m_start; }
    std::size_t size() const { return m_size; }
    std::size_t end() const { return m_start + m_size; }
    const std::string& name() const { return m_name; }

private:
    [[noreturn]] void failPastEnd(std::size_t at) const;

    const Bytes* m_file;
    std::size_t m_start;
    std::size_t m_size;
    std::string m_name;
};

} // namespace zl
