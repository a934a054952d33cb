#include "panel/PanelKeys.h"

#include <cctype>

namespace zl
{
namespace
{

constexpr const char* kNames[kPanelKeyCount] = {"ESC", "ALM", "Down", "Up", "Left", "SET", "Right",
                                                "ENT", "CLR", "+/-",  "0",  "3",    "2",   "1",
                                                "6",   "7",   "8",    "9",  "4",    "5"};

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

const char* panelKeyName(CPanelKey key)
{
    return key < kPanelKeyCount ? kNames[key] : "";
}

std::optional<CPanelKey> panelKeyByName(std::string_view name)
{
    for (unsigned k = 0; k < kPanelKeyCount; ++k)
        if (sameName(name, kNames[k]))
            return static_cast<CPanelKey>(k);
    return std::nullopt;
}

std::optional<std::vector<CPanelKey>> parsePanelKeys(std::string_view text, std::string& unknown)
{
    std::vector<CPanelKey> keys;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == '\t' || text[at] == ',') {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',')
            ++end;
        const std::string_view name = text.substr(at, end - at);
        const auto key = panelKeyByName(name);
        if (!key) {
            unknown = std::string(name);
            return std::nullopt;
        }
        keys.push_back(*key);
        at = end;
    }
    return keys;
}

int panelKeyDigit(CPanelKey key)
{
    static constexpr int digits[kPanelKeyCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                                   0,  3,  2,  1,  6,  7,  8,  9,  4,  5};
    return key < kPanelKeyCount ? digits[key] : -1;
}

} // namespace zl
