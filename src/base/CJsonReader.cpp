#include "base/CJsonReader.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <string>
#include <unordered_set>
#include <vector>

namespace zl
{

struct CJsonStore {
    std::string text;
    std::vector<CJsonMember> members;
    std::vector<CJsonValue> items;
    std::deque<std::string> unescaped; // strings that held escapes, as they read
};

class CJsonParser
{
public:
    CJsonParser(std::string_view text, const CJsonLimits& limits) : m_source(text), m_limits(limits) {}

    Result<CJsonDocument> run()
    {
        if (m_source.size() > m_limits.maxBytes)
            return makeError("the text is " + std::to_string(m_source.size()) + " bytes long, more than the " +
                             std::to_string(m_limits.maxBytes) + " bytes read");
        auto store = std::make_shared<CJsonStore>();
        m_store = store.get();
        m_store->text.assign(m_source);
        m_text = m_store->text;
        CJsonValue root;
        skipSpace();
        if (value(root, 0)) {
            skipSpace();
            if (m_pos != m_text.size())
                failHere("text after the value");
        }
        if (!m_error.empty())
            return makeError(m_error);
        return CJsonDocument(root, std::move(store));
    }

private:
    bool failHere(const std::string& what)
    {
        if (m_error.empty()) {
            const std::size_t at = std::min(m_pos, m_text.size());
            const auto line = 1 + std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
            const std::size_t lineStart = m_text.rfind('\n', at == 0 ? 0 : at - 1);
            const std::size_t column = at - (lineStart == std::string_view::npos || at == 0 ? 0 : lineStart + 1) + 1;
            m_error = "JSON line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
        }
        return false;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() &&
               (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
            ++m_pos;
    }

    bool take(char c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return failHere("unexpected character");
        m_pos += word.size();
        return true;
    }

    bool value(CJsonValue& v, unsigned depth)
    {
        v.m_store = m_store;
        if (++m_values > m_limits.maxValues)
            return failHere("more than " + std::to_string(m_limits.maxValues) + " values");
        if (m_pos >= m_text.size())
            return failHere("the text ends where a value should be");
        switch (m_text[m_pos]) {
        case '{':
            return object(v, depth + 1);
        case '[':
            return array(v, depth + 1);
        case '"':
        {
            v.m_kind = CJsonValue::Kind::String;
            std::string_view s;
            if (!string(s))
                return false;
            v.m_chars = s.data();
            v.m_count = static_cast<std::uint32_t>(s.size());
            return true;
        }
        case 't':
            v.m_kind = CJsonValue::Kind::Bool;
            v.m_number = 1;
            return literal("true");
        case 'f':
            v.m_kind = CJsonValue::Kind::Bool;
            return literal("false");
        case 'n':
            return literal("null");
        default:
            v.m_kind = CJsonValue::Kind::Number;
            return number(v.m_number);
        }
    }

    bool deep(unsigned depth)
    {
        return depth > m_limits.maxDepth ? failHere("nested more than " + std::to_string(m_limits.maxDepth) + " deep")
                                         : true;
    }

    // Members and items gather on these stacks while their container is read, then move to the store in
    // one piece: every container's members or items stand together there.
    bool object(CJsonValue& v, unsigned depth)
    {
        if (!deep(depth))
            return false;
        v.m_kind = CJsonValue::Kind::Object;
        ++m_pos;
        skipSpace();
        if (take('}'))
            return true;
        const std::size_t base = m_memberStack.size();
        std::unordered_set<std::string_view> seen; // only for objects of many members
        for (;;) {
            std::string_view key;
            if (m_pos >= m_text.size() || m_text[m_pos] != '"')
                return failHere("a member name in quotes expected");
            if (!string(key))
                return false;
            if (!unique(key, base, seen))
                return failHere("the member \"" + std::string(key) + "\" appears twice");
            skipSpace();
            if (!take(':'))
                return failHere("':' expected");
            skipSpace();
            CJsonValue member;
            if (!value(member, depth))
                return false;
            m_memberStack.push_back({key, member});
            skipSpace();
            if (take('}'))
                break;
            if (!take(','))
                return failHere("',' or '}' expected");
            skipSpace();
        }
        place(v, m_memberStack, base, m_store->members);
        return true;
    }

    // Whether `key` is new among the members read since `base`.
    bool unique(std::string_view key, std::size_t base, std::unordered_set<std::string_view>& seen)
    {
        constexpr std::size_t kSearched = 16;
        const std::size_t count = m_memberStack.size() - base;
        if (count < kSearched)
            return std::none_of(m_memberStack.begin() + static_cast<std::ptrdiff_t>(base), m_memberStack.end(),
                                [&](const CJsonMember& m) { return m.name == key; });
        if (seen.empty())
            for (std::size_t i = base; i < m_memberStack.size(); ++i)
                seen.insert(m_memberStack[i].name);
        return seen.insert(key).second;
    }

    template <class T> void place(CJsonValue& v, std::vector<T>& stack, std::size_t base, std::vector<T>& to)
    {
        v.m_first = static_cast<std::uint32_t>(to.size());
        v.m_count = static_cast<std::uint32_t>(stack.size() - base);
        to.insert(to.end(), stack.begin() + static_cast<std::ptrdiff_t>(base), stack.end());
        stack.resize(base);
    }

    bool array(CJsonValue& v, unsigned depth)
    {
        if (!deep(depth))
            return false;
        v.m_kind = CJsonValue::Kind::Array;
        ++m_pos;
        skipSpace();
        if (take(']'))
            return true;
        const std::size_t base = m_itemStack.size();
        for (;;) {
            CJsonValue item;
            if (!value(item, depth))
                return false;
            m_itemStack.push_back(item);
            skipSpace();
            if (take(']'))
                break;
            if (!take(','))
                return failHere("',' or ']' expected");
            skipSpace();
        }
        place(v, m_itemStack, base, m_store->items);
        return true;
    }

    bool number(std::int64_t& out)
    {
        const bool negative = take('-');
        if (m_pos >= m_text.size() || m_text[m_pos] < '0' || m_text[m_pos] > '9')
            return failHere("unexpected character");
        if (m_text[m_pos] == '0' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] >= '0' && m_text[m_pos + 1] <= '9')
            return failHere("a number may not start with 0");
        // Gathered as a negative number, which reaches one further than a positive one.
        std::int64_t value = 0;
        constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
            const int digit = m_text[m_pos] - '0';
            if (value < (lowest + digit) / 10)
                return failHere("the number does not fit 64 bits");
            value = value * 10 - digit;
            ++m_pos;
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == '.' || m_text[m_pos] == 'e' || m_text[m_pos] == 'E'))
            return failHere("only whole numbers are read");
        if (!negative && value == lowest)
            return failHere("the number does not fit 64 bits");
        out = negative ? value : -value;
        return true;
    }

    bool hex4(unsigned& code)
    {
        if (m_text.size() - m_pos < 4)
            return failHere("four hexadecimal digits expected after \\u");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_pos++];
            const int digit = c >= '0' && c <= '9' ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return failHere("four hexadecimal digits expected after \\u");
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }

    static void appendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool escape(std::string& out)
    {
        if (m_pos >= m_text.size())
            return failHere("the text ends inside a string");
        const char c = m_text[m_pos++];
        switch (c) {
        case '"': case '\\': case '/': out += c; return true;
        case 'b': out += '\b'; return true;
        case 'f': out += '\f'; return true;
        case 'n': out += '\n'; return true;
        case 'r': out += '\r'; return true;
        case 't': out += '\t'; return true;
        case 'u': {
            unsigned code = 0;
            if (!hex4(code))
                return false;
            if (code >= 0xDC00 && code < 0xE000)
                return failHere("a lone low surrogate");
            if (code >= 0xD800 && code < 0xDC00) {
                unsigned low = 0;
                if (!take('\\') || !take('u') || !hex4(low) || low < 0xDC00 || low >= 0xE000)
                    return failHere("a high surrogate without its low one");
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(out, code);
            return true;
        }
        default:
            return failHere("unknown escape");
        }
    }

    // A string without escapes is a view of the text; one with escapes is kept, as it reads, in the store.
    bool string(std::string_view& out)
    {
        const std::size_t start = ++m_pos; // after the opening quote
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '"') {
                out = m_text.substr(start, m_pos++ - start);
                return true;
            }
            if (c == '\\')
                break;
            if (static_cast<unsigned char>(c) < 0x20)
                return failHere("a control character inside a string");
            ++m_pos;
        }
        if (m_pos >= m_text.size())
            return failHere("the text ends inside a string");
        std::string& kept = m_store->unescaped.emplace_back(m_text.substr(start, m_pos - start));
        for (;;) {
            if (m_pos >= m_text.size())
                return failHere("the text ends inside a string");
            const char c = m_text[m_pos++];
            if (c == '"') {
                out = kept;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return failHere("a control character inside a string");
            if (c != '\\')
                kept += c;
            else if (!escape(kept))
                return false;
        }
    }

    std::string_view m_source;
    CJsonStore* m_store = nullptr;
    std::vector<CJsonMember> m_memberStack;
    std::vector<CJsonValue> m_itemStack;
    std::string_view m_text;
    CJsonLimits m_limits;
    std::size_t m_pos = 0;
    std::size_t m_values = 0;
    std::string m_error;
};

std::span<const CJsonMember> CJsonValue::members() const
{
    if (m_kind != Kind::Object || m_count == 0)
        return {};
    return {m_store->members.data() + m_first, m_count};
}

std::span<const CJsonValue> CJsonValue::items() const
{
    if (m_kind != Kind::Array || m_count == 0)
        return {};
    return {m_store->items.data() + m_first, m_count};
}

const CJsonValue* CJsonValue::find(std::string_view key) const
{
    for (const CJsonMember& m : members())
        if (m.name == key)
            return &m.value;
    return nullptr;
}

const char* CJsonValue::kindName(Kind kind)
{
    static constexpr const char* names[] = {"null", "true or false", "a number", "a string", "an object", "an array"};
    return names[static_cast<int>(kind)];
}

Result<CJsonDocument> parseJson(std::string_view text, const CJsonLimits& limits)
{
    return CJsonParser(text, limits).run();
}

} // namespace zl
