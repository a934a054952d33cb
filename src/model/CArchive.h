#pragma once
// The project file's tagged little-endian stream, in both directions.
//
// Storing appends to a byte buffer; loading reads a byte buffer with every read bounds-checked. A
// malformed stream throws CArchiveError carrying the byte offset where reading failed; the project
// reader turns it into an error value.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Bytes.h"

namespace zl {

class CArchiveError : public std::runtime_error {
public:
    CArchiveError(const std::string& what, std::size_t offset) : std::runtime_error(what), m_offset(offset) {}
    std::size_t offset() const { return m_offset; }

private:
    std::size_t m_offset;
};

class CArchive {
public:
    // For storing.
    CArchive();
    // For loading `data`, which must outlive the archive.
    explicit CArchive(const Bytes& data);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    // Format version of the file being loaded; component readers consult it.
    std::uint8_t version() const { return m_version; }
    void setVersion(std::uint8_t v) { m_version = v; }
    // Protocol of the project being loaded, once its header is read.
    unsigned protocol() const { return m_protocol; }
    void setProtocol(unsigned p) { m_protocol = p; }

    // --- storing
    void writeByte(std::uint8_t v);
    void writeWord(std::uint16_t v);
    void writeInt32(std::int32_t v);
    void writeText(std::string_view gbk);
    void writeCount(std::uint32_t n);
    void writeReserved(std::size_t n);
    void writeBytes(const std::uint8_t* p, std::size_t n);
    // Object tag before a body: announces the class at its first use, else refers to it.
    void writeObjectTag(std::string_view className);
    const Bytes& buffer() const { return m_out; }
    Bytes takeBuffer() { return std::move(m_out); }

    // --- loading
    std::uint8_t readByte();
    std::uint16_t readWord();
    std::int32_t readInt32();
    std::string readText();
    // A count of elements that each take at least `minElementSize` bytes; a count the remaining bytes
    // cannot hold is a format error, so a hostile count never reserves memory.
    std::uint32_t readCount(std::size_t minElementSize);
    void readReserved(std::size_t n);
    void readBytes(std::uint8_t* p, std::size_t n);
    // Object tag: the class name of a new object, or nullopt for the null object. A class announcement
    // whose name is not in `knownClasses`, a bad schema and bad references throw.
    std::optional<std::string> readObjectTag(std::initializer_list<std::string_view> knownClasses);

    std::size_t offset() const { return m_pos; }
    std::size_t remaining() const { return m_in ? m_in->size() - m_pos : 0; }
    [[noreturn]] void fail(const std::string& what) const;

private:
    void need(std::size_t n) const;

    bool m_storing;
    std::uint8_t m_version = 12;
    unsigned m_protocol = 0;
    // storing
    Bytes m_out;
    std::map<std::string, std::uint32_t, std::less<>> m_classIndex;
    // loading
    const Bytes* m_in = nullptr;
    std::size_t m_pos = 0;
    std::map<std::uint32_t, std::string> m_classByIndex;
    // Running index shared by classes and objects, in both directions.
    std::uint32_t m_nextIndex = 1;
};

} // namespace zl
