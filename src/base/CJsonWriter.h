#pragma once
// JSON text written as it is made, with no tree in between: large texts (a project of thousands of
// windows) cost only their own bytes. This is the one place that lays a JSON text out; CJson writes
// through it. With indent > 0 every member and item stands on its own line; an object or array begun as
// one line keeps its members on one line with a space after each separator; indent 0 is compact.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zl
{

class CJsonWriter
{
public:
    explicit CJsonWriter(std::string& out, int indent = 2) : m_out(out), m_indent(indent) {}

    CJsonWriter& beginObject(bool oneLine = false) { return begin('{', oneLine); }
    CJsonWriter& endObject() { return end('}'); }
    CJsonWriter& beginArray(bool oneLine = false) { return begin('[', oneLine); }
    CJsonWriter& endArray() { return end(']'); }
    // The name of the object's next member; its value follows.
    CJsonWriter& key(std::string_view name);

    CJsonWriter& value(std::int64_t v);
    CJsonWriter& value(bool v);
    CJsonWriter& value(double v);
    CJsonWriter& value(std::string_view utf8);
    CJsonWriter& null();

    template <class T> CJsonWriter& member(std::string_view name, const T& v) { return key(name).value(v); }

    // The whole-number overloads, so that every integer type finds one.
    CJsonWriter& value(int v) { return value(static_cast<std::int64_t>(v)); }
    CJsonWriter& value(unsigned v) { return value(static_cast<std::int64_t>(v)); }
    CJsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    CJsonWriter& value(const std::string& utf8) { return value(std::string_view(utf8)); }

    static void quote(std::string& out, std::string_view utf8);

private:
    struct CLevel {
        int indent; // -1: on one line
        bool any = false;
    };
    CJsonWriter& begin(char open, bool oneLine);
    CJsonWriter& end(char close);
    void beforeValue();
    void newline(int indent, std::size_t depth);

    std::string& m_out;
    int m_indent;
    std::vector<CLevel> m_levels;
    bool m_afterKey = false;
};

} // namespace zl
