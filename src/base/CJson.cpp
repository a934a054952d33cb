#include "base/CJson.h"

#include <cstdio>

#include "base/Gbk.h"

namespace zl {
namespace {

void quote(std::string& out, const std::string& s)
{
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

} // namespace

CJson CJson::text(const std::string& gbk)
{
    std::string hex;
    for (unsigned char c : gbk) {
        char buf[4];
        std::snprintf(buf, sizeof buf, hex.empty() ? "%02X" : " %02X", c);
        hex += buf;
    }
    CJson o = object();
    o.set("text", gbkToUtf8(gbk));
    o.set("gbk", hex);
    return o;
}

CJson CJson::generated(std::size_t count, std::function<CJson(std::size_t)> item)
{
    CJson a(Kind::Generated);
    a.m_count = count;
    a.m_item = std::move(item);
    return a;
}

CJson& CJson::set(std::string key, CJson value)
{
    m_members.emplace_back(std::move(key), std::move(value));
    return *this;
}

CJson& CJson::push(CJson value)
{
    m_items.push_back(std::move(value));
    return *this;
}

std::string CJson::dump(int indent) const
{
    std::string out;
    write(out, indent, 0, nullptr);
    out += '\n';
    return out;
}

bool CJson::dump(std::FILE* out, int indent) const
{
    std::string rest;
    write(rest, indent, 0, out);
    rest += '\n';
    return std::fwrite(rest.data(), 1, rest.size(), out) == rest.size() && !std::ferror(out);
}

void CJson::write(std::string& out, int indent, int depth, std::FILE* sink) const
{
    // A value kept on one line is written with indent -1: spaces after separators, no line breaks.
    if (m_oneLine && indent > 0)
        indent = -1;
    const char* comma = indent < 0 ? ", " : ",";
    auto newline = [&](int d) {
        if (indent > 0) {
            out += '\n';
            out.append(static_cast<std::size_t>(indent * d), ' ');
        }
    };
    switch (m_kind) {
    case Kind::Null: out += "null"; break;
    case Kind::Bool: out += m_int ? "true" : "false"; break;
    case Kind::Int: out += std::to_string(m_int); break;
    case Kind::Double: {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.17g", m_double);
        out += buf;
        break;
    }
    case Kind::String: quote(out, m_string); break;
    case Kind::Object:
        out += '{';
        for (std::size_t i = 0; i < m_members.size(); ++i) {
            out += i ? comma : "";
            newline(depth + 1);
            quote(out, m_members[i].first);
            out += indent != 0 ? ": " : ":";
            m_members[i].second.write(out, indent, depth + 1, sink);
        }
        if (!m_members.empty())
            newline(depth);
        out += '}';
        break;
    case Kind::Array:
        out += '[';
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            out += i ? comma : "";
            newline(depth + 1);
            m_items[i].write(out, indent, depth + 1, sink);
        }
        if (!m_items.empty())
            newline(depth);
        out += ']';
        break;
    case Kind::Generated:
        out += '[';
        for (std::size_t i = 0; i < m_count; ++i) {
            out += i ? "," : "";
            newline(depth + 1);
            m_item(i).write(out, indent, depth + 1, sink);
            if (sink) {
                std::fwrite(out.data(), 1, out.size(), sink);
                out.clear();
            }
        }
        if (m_count > 0)
            newline(depth);
        out += ']';
        break;
    }
}

} // namespace zl
