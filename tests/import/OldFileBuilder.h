#pragma once
// Small old (.olz) project files built in code, and the little-endian bytes a converted file should hold.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/Bytes.h"

namespace zl::test {

inline void put8(Bytes& b, std::size_t at, std::uint32_t v)
{
    b.at(at) = static_cast<std::uint8_t>(v);
}
inline void put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    put8(b, at, v);
    put8(b, at + 1, v >> 8);
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}

// An old component record: `size` bytes of type `type` at canvas (x, y), the rest zero.
inline Bytes oldComponent(std::uint8_t type, std::size_t size, std::int32_t x = 0, std::int32_t y = 0)
{
    Bytes r(size);
    put32(r, 0, static_cast<std::uint32_t>(x));
    put32(r, 4, static_cast<std::uint32_t>(y));
    put8(r, 10, type);
    return r;
}

struct OldWindow {
    std::uint16_t number = 1;
    std::string description;
    std::uint16_t up = 0;
    std::uint16_t down = 0;
    std::vector<Bytes> components;
};

// An old project: the 80-byte header (fields set with put8 … put32), windows and alarm texts (up to 24
// bytes each). The window and alarm counts are filled in from the lists.
struct OldProject {
    Bytes header = Bytes{0x03, 'O', 'L', 'Z'};
    std::vector<OldWindow> windows;
    std::vector<std::string> alarms;

    OldProject() { header.resize(80); }

    Bytes bytes() const
    {
        Bytes out = header;
        put16(out, 76, static_cast<std::uint32_t>(windows.size()));
        put8(out, 29, static_cast<std::uint32_t>(alarms.size()));
        for (const OldWindow& w : windows) {
            Bytes head(57);
            put16(head, 0, w.number);
            put8(head, 2, static_cast<std::uint32_t>(w.description.size()));
            // A description too long for the window head keeps its length byte but loses its tail.
            std::copy_n(w.description.begin(), std::min<std::size_t>(w.description.size(), 52),
                        head.begin() + 5);
            put16(head, 45, w.up);
            put16(head, 47, w.down);
            put8(head, 53, static_cast<std::uint32_t>(w.components.size()));
            out.insert(out.end(), head.begin(), head.end());
            for (const Bytes& c : w.components)
                out.insert(out.end(), c.begin(), c.end());
        }
        for (const std::string& text : alarms) {
            Bytes r(25);
            put8(r, 0, static_cast<std::uint32_t>(text.size()));
            std::copy(text.begin(), text.end(), r.begin() + 1);
            out.insert(out.end(), r.begin(), r.end());
        }
        return out;
    }
};

// Expected bytes of a converted file, spelled out field by field.
struct Expect {
    Bytes v;

    Expect& u8(std::uint32_t x)
    {
        v.push_back(static_cast<std::uint8_t>(x));
        return *this;
    }
    Expect& u16(std::uint32_t x) { return u8(x).u8(x >> 8); }
    Expect& i32(std::int64_t x)
    {
        return u16(static_cast<std::uint32_t>(x)).u16(static_cast<std::uint32_t>(x) >> 16);
    }
    Expect& raw(std::string_view s)
    {
        v.insert(v.end(), s.begin(), s.end());
        return *this;
    }
    // A text shorter than 255 bytes: its length byte and its bytes.
    Expect& text(std::string_view s) { return u8(s.size()).raw(s); }
    Expect& zeros(std::size_t n)
    {
        v.insert(v.end(), n, 0);
        return *this;
    }
    // The first object of a class: the class announced in full.
    Expect& announce(std::string_view className)
    {
        return u16(0xFFFF).u16(1).u16(className.size()).raw(className);
    }
    Expect& add(const Bytes& more)
    {
        v.insert(v.end(), more.begin(), more.end());
        return *this;
    }
};

} // namespace zl::test
