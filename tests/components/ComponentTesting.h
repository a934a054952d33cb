#pragma once
// Helpers for component tests: the compile steps in the compiler's order, and the file body of a
// component stored and loaded through the archive.
#include <memory>

#include <gtest/gtest.h>

#include "plc/CProtocolTables.h"
#include "base/Bytes.h"
#include "model/CArchive.h"
#include "model/CBase.h"
#include "model/CCompileContext.h"

namespace zl::test {

// Tables and a compile context of one protocol.
struct CCompileFixture {
    explicit CCompileFixture(unsigned protocol = 1) : tables(CProtocolTables::Build(protocol, {}, 1)), ctx(tables) {}
    // CalcDownloadSize, BuildDownloadData, CollectCharacters; returns the record.
    const Bytes& compile(CBase& c)
    {
        c.CalcDownloadSize(ctx);
        c.BuildDownloadData(ctx);
        c.CollectCharacters(ctx);
        return c.record;
    }

    CProtocolTables tables;
    CCompileContext ctx;
};

inline Bytes storeBody(CBase& c)
{
    CArchive ar;
    c.Serialize(ar);
    return ar.takeBuffer();
}

// Loads a body written in format `version` of a project under `protocol`; the whole body must be consumed.
template <class T> T loadBody(const Bytes& body, std::uint8_t version = 12, unsigned protocol = 0)
{
    T c;
    CArchive ar(body);
    ar.setVersion(version);
    ar.setProtocol(protocol);
    c.Serialize(ar);
    if (ar.remaining() != 0)
        ADD_FAILURE() << ar.remaining() << " bytes of the body were not read";
    return c;
}

// Every proper prefix of a body is a truncated file: loading it must throw, never read past the end.
template <class T>
void expectTruncationsFail(const Bytes& body, std::uint8_t version = 12)
{
    for (std::size_t n = 0; n < body.size(); ++n) {
        const Bytes cut(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(n));
        T c;
        CArchive ar(cut);
        ar.setVersion(version);
        EXPECT_THROW(c.Serialize(ar), CArchiveError) << "prefix of " << n << " bytes";
    }
}

// Little-endian bytes of a body, for building expected file bodies.
inline Bytes le16(unsigned v) { return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}; }
inline Bytes le32(std::uint32_t v)
{
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}
inline Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}
inline Bytes zeros(std::size_t n) { return Bytes(n, 0); }

} // namespace zl::test
