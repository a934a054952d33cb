#pragma once
// Errors travel as values: the text the user reads, the caption of its message box, and where in an
// input file the problem was found.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace zl {

struct CError {
    std::string text;
    std::string caption;
    std::optional<std::size_t> offset; // byte offset in the input that was being read

    // The text with the offset appended, for a terminal or a log.
    std::string describe() const
    {
        std::string s = text;
        if (offset)
            s += " (at byte " + std::to_string(*offset) + ")";
        return s;
    }
};

template <class T>
class [[nodiscard]] Result { // a result is looked at: an ignored failure is a lost error
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(CError error) : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(m_v); }
    const T& value() const { return std::get<0>(m_v); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    const CError& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, CError> m_v;
};

// Success carries nothing.
struct Ok {};
using Status = Result<Ok>;

inline CError makeError(std::string text, std::string caption = {})
{
    return CError{std::move(text), std::move(caption), std::nullopt};
}

} // namespace zl
