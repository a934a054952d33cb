#pragma once
// The name of each kind of component by its type code (the first byte of a component in files and
// records), one spelling for every message, list and undo step that names a kind.
#include <cstdint>

namespace zl
{

// "Text", "Register", "LED", "Function Key", "Picture", "Bar Graph", "Trend Line", "Dynamic Text" for
// type codes 1 … 8; "Component" for any other code.
inline const char* componentKindName(std::uint8_t typeCode)
{
    static constexpr const char* names[] = {"Text",    "Register",  "LED",        "Function Key",
                                            "Picture", "Bar Graph", "Trend Line", "Dynamic Text"};
    return typeCode >= 1 && typeCode <= 8 ? names[typeCode - 1] : "Component";
}

} // namespace zl
