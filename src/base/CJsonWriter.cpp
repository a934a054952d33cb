#include "base/CJsonWriter.h"

#include <charconv>
#include <cstdio>

namespace zl
{

void CJsonWriter::quote(std::string& out, std::string_view s)
{
    out += '"';
    std::size_t plain = 0; // start of the run of characters written as they are
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(s.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        }
        }
    }
    out.append(s.data() + plain, s.size() - plain);
    out += '"';
}

void CJsonWriter::newline(int indent, std::size_t depth)
{
    if (indent > 0) {
        m_out += '\n';
        m_out.append(static_cast<std::size_t>(indent) * depth, ' ');
    }
}

void CJsonWriter::beforeValue()
{
    if (m_afterKey || m_levels.empty()) {
        m_afterKey = false;
        return;
    }
    CLevel& level = m_levels.back();
    if (level.any)
        m_out += level.indent < 0 ? ", " : ",";
    level.any = true;
    newline(level.indent, m_levels.size());
}

CJsonWriter& CJsonWriter::key(std::string_view name)
{
    CLevel& level = m_levels.back();
    if (level.any)
        m_out += level.indent < 0 ? ", " : ",";
    level.any = true;
    newline(level.indent, m_levels.size());
    quote(m_out, name);
    m_out += level.indent != 0 ? ": " : ":";
    m_afterKey = true;
    return *this;
}

CJsonWriter& CJsonWriter::begin(char open, bool oneLine)
{
    beforeValue();
    const int outer = m_levels.empty() ? m_indent : m_levels.back().indent;
    m_levels.push_back({oneLine && outer > 0 ? -1 : outer});
    m_out += open;
    return *this;
}

CJsonWriter& CJsonWriter::end(char close)
{
    const CLevel level = m_levels.back();
    m_levels.pop_back();
    if (level.any)
        newline(level.indent, m_levels.size());
    m_out += close;
    return *this;
}

CJsonWriter& CJsonWriter::value(std::int64_t v)
{
    beforeValue();
    char buf[24];
    m_out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
    return *this;
}

CJsonWriter& CJsonWriter::value(bool v)
{
    beforeValue();
    m_out += v ? "true" : "false";
    return *this;
}

CJsonWriter& CJsonWriter::value(double v)
{
    beforeValue();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    m_out += buf;
    return *this;
}

CJsonWriter& CJsonWriter::value(std::string_view utf8)
{
    beforeValue();
    quote(m_out, utf8);
    return *this;
}

CJsonWriter& CJsonWriter::null()
{
    beforeValue();
    m_out += "null";
    return *this;
}

} // namespace zl
