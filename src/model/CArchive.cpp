#include "model/CArchive.h"

#include <algorithm>

#include "base/Gbk.h"

namespace zl {
namespace {
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
constexpr std::uint16_t kSchema = 1;
constexpr std::size_t kMaxClassName = 63;
} // namespace

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(const Bytes& data) : m_storing(false), m_in(&data) {}

void CArchive::fail(const std::string& what) const { throw CArchiveError(what, m_pos); }

void CArchive::need(std::size_t n) const
{
    if (remaining() < n)
        fail("unexpected end of file");
}

void CArchive::writeByte(std::uint8_t v) { m_out.push_back(v); }

void CArchive::writeWord(std::uint16_t v)
{
    m_out.push_back(static_cast<std::uint8_t>(v));
    m_out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void CArchive::writeInt32(std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    writeWord(static_cast<std::uint16_t>(u));
    writeWord(static_cast<std::uint16_t>(u >> 16));
}

void CArchive::writeText(std::string_view gbk)
{
    const std::size_t n = gbk.size();
    if (n < 0xFF) {
        writeByte(static_cast<std::uint8_t>(n));
    } else {
        writeByte(0xFF);
        if (n < 0xFFFE) {
            writeWord(static_cast<std::uint16_t>(n));
        } else {
            writeWord(0xFFFF);
            writeInt32(static_cast<std::int32_t>(n));
        }
    }
    writeBytes(reinterpret_cast<const std::uint8_t*>(gbk.data()), n);
}

void CArchive::writeCount(std::uint32_t n)
{
    if (n < 0xFFFF) {
        writeWord(static_cast<std::uint16_t>(n));
    } else {
        writeWord(0xFFFF);
        writeInt32(static_cast<std::int32_t>(n));
    }
}

void CArchive::writeReserved(std::size_t n) { m_out.insert(m_out.end(), n, 0); }

void CArchive::writeBytes(const std::uint8_t* p, std::size_t n) { m_out.insert(m_out.end(), p, p + n); }

void CArchive::writeObjectTag(std::string_view className)
{
    const auto it = m_classIndex.find(className);
    if (it == m_classIndex.end()) {
        writeWord(kNewClassTag);
        writeWord(kSchema);
        writeWord(static_cast<std::uint16_t>(className.size()));
        writeBytes(reinterpret_cast<const std::uint8_t*>(className.data()), className.size());
        m_classIndex.emplace(std::string(className), m_nextIndex++);
    } else if (it->second <= 32766) {
        writeWord(static_cast<std::uint16_t>(kClassTag | it->second));
    } else {
        writeWord(kBigTag);
        writeInt32(static_cast<std::int32_t>(kBigClassTag | it->second));
    }
    ++m_nextIndex; // the object itself
}

std::uint8_t CArchive::readByte()
{
    need(1);
    return (*m_in)[m_pos++];
}

std::uint16_t CArchive::readWord()
{
    need(2);
    const std::uint16_t v = static_cast<std::uint16_t>((*m_in)[m_pos] | ((*m_in)[m_pos + 1] << 8));
    m_pos += 2;
    return v;
}

std::int32_t CArchive::readInt32()
{
    const std::uint32_t lo = readWord();
    const std::uint32_t hi = readWord();
    return static_cast<std::int32_t>(lo | (hi << 16));
}

std::string CArchive::readText()
{
    std::uint32_t n = readByte();
    bool wide = false;
    if (n == 0xFF) {
        n = readWord();
        if (n == 0xFFFE) {
            // Wide form: the real length prefix follows, in UTF-16 units.
            wide = true;
            n = readByte();
            if (n == 0xFF) {
                n = readWord();
                if (n == 0xFFFF)
                    n = static_cast<std::uint32_t>(readInt32());
            }
        } else if (n == 0xFFFF) {
            n = static_cast<std::uint32_t>(readInt32());
        }
    }
    const std::size_t bytes = wide ? std::size_t(n) * 2 : n;
    need(bytes);
    const char* start = reinterpret_cast<const char*>(m_in->data() + m_pos);
    m_pos += bytes;
    if (wide)
        return utf16leToGbk(std::string_view(start, bytes));
    return std::string(start, bytes);
}

std::uint32_t CArchive::readCount(std::size_t minElementSize)
{
    std::uint32_t n = readWord();
    if (n == 0xFFFF)
        n = static_cast<std::uint32_t>(readInt32());
    if (minElementSize > 0 && n > remaining() / minElementSize)
        fail("count of " + std::to_string(n) + " is larger than the rest of the file can hold");
    return n;
}

void CArchive::readReserved(std::size_t n)
{
    need(n);
    m_pos += n;
}

void CArchive::readBytes(std::uint8_t* p, std::size_t n)
{
    need(n);
    std::copy_n(m_in->data() + m_pos, n, p);
    m_pos += n;
}

std::optional<std::string> CArchive::readObjectTag(std::initializer_list<std::string_view> knownClasses)
{
    const std::size_t start = m_pos;
    auto failAt = [&](const std::string& what) -> void { throw CArchiveError(what, start); };

    std::uint32_t tag = readWord();
    std::uint32_t classIndex = 0;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = readWord();
        const std::uint16_t length = readWord();
        if (length > kMaxClassName)
            failAt("class name longer than 63 characters");
        need(length);
        std::string name(reinterpret_cast<const char*>(m_in->data() + m_pos), length);
        m_pos += length;
        if (std::find(knownClasses.begin(), knownClasses.end(), name) == knownClasses.end())
            failAt("unknown class \"" + name + "\"");
        if (schema != kSchema)
            failAt("class \"" + name + "\" has schema " + std::to_string(schema) + ", expected 1");
        m_classByIndex[m_nextIndex++] = name;
        ++m_nextIndex;
        return name;
    }
    if (tag == kBigTag) {
        tag = static_cast<std::uint32_t>(readInt32());
        if (!(tag & kBigClassTag)) {
            failAt("reference to object " + std::to_string(tag) + ", which the file does not own once");
        }
        classIndex = tag & ~kBigClassTag;
    } else if (tag & kClassTag) {
        classIndex = tag & ~std::uint32_t(kClassTag);
    } else if (tag == 0) {
        return std::nullopt;
    } else {
        // A reference to an object read before: every window and component is owned once, so a
        // second reference would share it between two owners.
        failAt("reference to object " + std::to_string(tag) + ", which the file does not own once");
    }
    const auto it = m_classByIndex.find(classIndex);
    if (it == m_classByIndex.end())
        failAt("reference to class index " + std::to_string(classIndex) + ", which names no class");
    if (std::find(knownClasses.begin(), knownClasses.end(), it->second) == knownClasses.end())
        failAt("object of class \"" + it->second + "\" where it does not belong");
    ++m_nextIndex;
    return it->second;
}

} // namespace zl
