#pragma once
// A small strict JSON reader for project texts: the whole grammar but numbers, which must be whole and fit
// 64 bits. Input size, nesting depth and the number of values are bounded, so hostile input costs at most
// a known amount of memory and time; every refusal names the line and column where reading stopped.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Result.h"

namespace zl
{

class CJsonValue
{
public:
    enum class Kind : std::uint8_t { Null, Bool, Number, String, Object, Array };

    Kind kind() const { return m_kind; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isString() const { return m_kind == Kind::String; }
    bool isObject() const { return m_kind == Kind::Object; }
    bool isArray() const { return m_kind == Kind::Array; }
    bool boolean() const { return m_number != 0; }
    std::int64_t number() const { return m_number; }
    const std::string& string() const { return m_string; }
    // Members of an object in their order, items of an array.
    const std::vector<std::pair<std::string, CJsonValue>>& members() const { return m_members; }
    const std::vector<CJsonValue>& items() const { return m_items; }
    // The member named `key`, or nullptr.
    const CJsonValue* find(std::string_view key) const;

    static const char* kindName(Kind kind);

private:
    friend class CJsonParser;
    Kind m_kind = Kind::Null;
    std::int64_t m_number = 0;
    std::string m_string;
    std::vector<std::pair<std::string, CJsonValue>> m_members;
    std::vector<CJsonValue> m_items;
};

struct CJsonLimits {
    std::size_t maxBytes = std::size_t{16} << 20;
    unsigned maxDepth = 64;
    std::size_t maxValues = 1'000'000;
};

// The value `text` holds; an error for anything else, including text after it and duplicate keys.
Result<CJsonValue> parseJson(std::string_view text, const CJsonLimits& limits = {});

} // namespace zl
