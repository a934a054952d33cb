#include "base/CJson.h"

#include <cstdio>

#include "base/CJsonWriter.h"
#include "base/Gbk.h"

namespace zl {

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
    CJsonWriter writer(out, indent);
    write(writer, out, nullptr);
    out += '\n';
    return out;
}

bool CJson::dump(std::FILE* out, int indent) const
{
    std::string rest;
    CJsonWriter writer(rest, indent);
    write(writer, rest, out);
    rest += '\n';
    return std::fwrite(rest.data(), 1, rest.size(), out) == rest.size() && !std::ferror(out);
}

void CJson::write(CJsonWriter& w, std::string& out, std::FILE* sink) const
{
    switch (m_kind) {
    case Kind::Null: w.null(); break;
    case Kind::Bool: w.value(m_int != 0); break;
    case Kind::Int: w.value(m_int); break;
    case Kind::Double: w.value(m_double); break;
    case Kind::String: w.value(m_string); break;
    case Kind::Object:
        w.beginObject(m_oneLine);
        for (const auto& [key, value] : m_members) {
            w.key(key);
            value.write(w, out, sink);
        }
        w.endObject();
        break;
    case Kind::Array:
        w.beginArray(m_oneLine);
        for (const CJson& item : m_items)
            item.write(w, out, sink);
        w.endArray();
        break;
    case Kind::Generated:
        w.beginArray(m_oneLine);
        for (std::size_t i = 0; i < m_count; ++i) {
            m_item(i).write(w, out, sink);
            if (sink) {
                std::fwrite(out.data(), 1, out.size(), sink);
                out.clear();
            }
        }
        w.endArray();
        break;
    }
}

} // namespace zl
