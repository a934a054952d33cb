#pragma once
// A small JSON value for the command line's reports (dump, tables, maps): objects keep their key order.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zl {

class CJsonWriter;

class CJson {
public:
    CJson() : m_kind(Kind::Null) {}
    CJson(bool v) : m_kind(Kind::Bool), m_int(v) {}
    CJson(int v) : m_kind(Kind::Int), m_int(v) {}
    CJson(unsigned v) : m_kind(Kind::Int), m_int(v) {}
    CJson(long v) : m_kind(Kind::Int), m_int(v) {}
    CJson(unsigned long v) : m_kind(Kind::Int), m_int(static_cast<std::int64_t>(v)) {}
    CJson(long long v) : m_kind(Kind::Int), m_int(v) {}
    CJson(unsigned long long v) : m_kind(Kind::Int), m_int(static_cast<std::int64_t>(v)) {}
    CJson(double v) : m_kind(Kind::Double), m_double(v) {}
    CJson(std::string utf8) : m_kind(Kind::String), m_string(std::move(utf8)) {}
    CJson(const char* utf8) : m_kind(Kind::String), m_string(utf8) {}

    static CJson object() { return CJson(Kind::Object); }
    static CJson array() { return CJson(Kind::Array); }
    // A list of strings or numbers.
    template <class T>
    static CJson arrayOf(const std::vector<T>& items)
    {
        CJson a = array();
        for (const auto& i : items)
            a.push(CJson(i));
        return a;
    }
    // An array whose `count` items are made by `item(i)` only while it is written, one at a time: a
    // large report written with dump(FILE*) then never holds more than one item.
    static CJson generated(std::size_t count, std::function<CJson(std::size_t)> item);
    // A GBK text as {"text": UTF-8, "gbk": hex bytes}.
    static CJson text(const std::string& gbk);

    CJson& set(std::string key, CJson value);
    // Writes this object or array on one line even inside an indented text: a group of fields that a
    // diff shows as one changed line.
    CJson& oneLine()
    {
        m_oneLine = true;
        return *this;
    }
    CJson& push(CJson value);

    std::string dump(int indent = 2) const;
    // The same text written to `out` as it is made; false when writing failed.
    bool dump(std::FILE* out, int indent = 2) const;

private:
    enum class Kind { Null, Bool, Int, Double, String, Object, Array, Generated };
    explicit CJson(Kind k) : m_kind(k) {}
    // Writes through `w`, which appends to `out`; with a `sink`, hands what is made to it after each
    // generated item.
    void write(CJsonWriter& w, std::string& out, std::FILE* sink) const;

    Kind m_kind;
    bool m_oneLine = false;
    std::int64_t m_int = 0;
    double m_double = 0;
    std::string m_string;
    std::vector<std::pair<std::string, CJson>> m_members; // objects
    std::vector<CJson> m_items;                           // arrays
    std::size_t m_count = 0;                              // generated arrays
    std::function<CJson(std::size_t)> m_item;
};

} // namespace zl
