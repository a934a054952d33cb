#pragma once
// The panel's 20 keys by the key codes that function-key records carry, and their names as the keypad
// labels them ("ESC", "ALM", "Up", …, "+/-", "CLR", "0" … "9").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zl
{

enum CPanelKey : std::uint8_t {
    kKeyEsc = 0,
    kKeyAlm = 1,
    kKeyDown = 2,
    kKeyUp = 3,
    kKeyLeft = 4,
    kKeySet = 5,
    kKeyRight = 6,
    kKeyEnt = 7,
    kKeyClr = 8,
    kKeySign = 9,
    kKey0 = 10,
    kKey3 = 11,
    kKey2 = 12,
    kKey1 = 13,
    kKey6 = 14,
    kKey7 = 15,
    kKey8 = 16,
    kKey9 = 17,
    kKey4 = 18,
    kKey5 = 19,
};
constexpr unsigned kPanelKeyCount = 20;

// "ESC", "Up", "7", …
const char* panelKeyName(CPanelKey key);
// A key by its name, any case; nullopt for a name no key has.
std::optional<CPanelKey> panelKeyByName(std::string_view name);
// Names separated by spaces; the first unknown name is given back in `unknown`.
std::optional<std::vector<CPanelKey>> parsePanelKeys(std::string_view text, std::string& unknown);
// The digit a digit key enters, or -1.
int panelKeyDigit(CPanelKey key);

} // namespace zl
