#include "import/COldRecord.h"

namespace zl {

COldRecord::COldRecord(const Bytes& file, std::size_t start, std::uint64_t size, std::string name)
    : m_file(&file), m_start(start), m_size(0), m_name(std::move(name))
{
    if (start > file.size() || size > file.size() - start)
        throw COldFileError{"the file ends inside " + m_name, start};
    m_size = static_cast<std::size_t>(size);
}

void COldRecord::failPastEnd(std::size_t at) const
{
    throw COldFileError{"a field of " + m_name + " runs past the end of its record", m_start + at};
}

std::uint8_t COldRecord::b(std::size_t n) const
{
    if (n >= m_size)
        failPastEnd(n);
    return (*m_file)[m_start + n];
}

std::uint16_t COldRecord::w(std::size_t n) const
{
    return static_cast<std::uint16_t>(b(n) | (b(n + 1) << 8));
}

std::uint32_t COldRecord::d(std::size_t n) const
{
    return w(n) | (std::uint32_t(w(n + 2)) << 16);
}

std::string_view COldRecord::chars(std::size_t at, std::size_t length) const
{
    if (at > m_size || length > m_size - at)
        failPastEnd(at);
    return {reinterpret_cast<const char*>(m_file->data() + m_start + at), length};
}

} // namespace zl
