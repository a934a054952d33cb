#pragma once
// A small strict JSON reader for project texts: the whole grammar but numbers, which must be whole and fit
// 64 bits. Input size, nesting depth and the number of values are bounded, so hostile input costs at most
// a known amount of memory and time; every refusal names the line and column where reading stopped.
// The values of one text live in two flat arrays of its document, and strings without escapes are views
// of its copy of the text: reading a large text costs few allocations.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "base/Result.h"

namespace zl
{

struct CJsonMember;
struct CJsonStore;

// One value of a document; valid while the document lives.
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
    std::string_view string() const { return {m_chars, m_count}; }
    // Members of an object in their order, items of an array.
    std::span<const CJsonMember> members() const;
    std::span<const CJsonValue> items() const;
    // The member named `key`, or nullptr.
    const CJsonValue* find(std::string_view key) const;

    static const char* kindName(Kind kind);

private:
    friend class CJsonParser;
    const CJsonStore* m_store = nullptr;
    const char* m_chars = nullptr; // a string's
    std::int64_t m_number = 0;
    std::uint32_t m_first = 0; // a container's first member or item in the store
    std::uint32_t m_count = 0; // a string's length, a container's members or items
    Kind m_kind = Kind::Null;
};

struct CJsonMember {
    std::string_view name;
    CJsonValue value;
};

// The root value of a text, holding every value below it.
class CJsonDocument : public CJsonValue
{
public:
    CJsonDocument(CJsonValue root, std::shared_ptr<const CJsonStore> store)
        : CJsonValue(root), m_store(std::move(store))
    {
    }

private:
    std::shared_ptr<const CJsonStore> m_store;
};

struct CJsonLimits {
    std::size_t maxBytes = std::size_t{16} << 20;
    unsigned maxDepth = 64;
    std::size_t maxValues = 1'000'000;
};

// The value `text` holds; an error for anything else, including text after it and duplicate keys.
Result<CJsonDocument> parseJson(std::string_view text, const CJsonLimits& limits = {});

} // namespace zl
