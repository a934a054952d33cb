// Converts texts between GBK, UTF-8 and UTF-16LE as the editor, the project reader and the converter of
// old projects do, and prints the speed of each direction: short texts (a component's label) one call
// each, and one long text.
#include <chrono>
#include <cstdio>
#include <string>

#include "base/Gbk.h"

using namespace zl;

namespace
{

// Labels of 12 characters: 4 ASCII, then 8 double-byte ones walking through the common GBK area.
std::string gbkText(unsigned labels)
{
    std::string text;
    for (unsigned n = 0; n < labels * 8; ++n) {
        if (n % 8 == 0)
            text += "T-12";
        text += static_cast<char>(0xB0 + n / 94 % 39); // rows B0 ... D6 are full
        text += static_cast<char>(0xA1 + n % 94);
    }
    return text;
}

std::string utf16Text(unsigned labels)
{
    std::string text;
    for (unsigned n = 0; n < labels * 12; ++n) {
        const unsigned unit = n % 12 < 4 ? 'A' + n % 12 : 0x4E00 + n % 5000;
        text += static_cast<char>(unit & 0xFF);
        text += static_cast<char>(unit >> 8);
    }
    return text;
}

template <class Convert>
void measure(const char* what, const std::string& label, const std::string& long_, Convert convert)
{
    using Clock = std::chrono::steady_clock;
    constexpr unsigned kCalls = 200000;
    std::size_t sink = 0;
    auto start = Clock::now();
    for (unsigned i = 0; i < kCalls; ++i)
        sink += convert(label);
    const double shortNs = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kCalls;
    start = Clock::now();
    for (unsigned i = 0; i < 20; ++i)
        sink += convert(long_);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count() / 20;
    std::printf("%-14s  %8.0f ns per %zu-byte label  %8.1f MB/s on %zu KB%s\n", what, shortNs, label.size(),
                double(long_.size()) / seconds / 1e6, long_.size() / 1024, sink ? "" : " ");
}

} // namespace

int main()
{
    const std::string gbkLabel = gbkText(1), gbkLong = gbkText(50000);
    const std::string utf8Label = gbkToUtf8(gbkLabel), utf8Long = gbkToUtf8(gbkLong);
    measure("GBK to UTF-8", gbkLabel, gbkLong, [](const std::string& s) { return gbkToUtf8(s).size(); });
    measure("UTF-8 to GBK", utf8Label, utf8Long,
            [](const std::string& s) { return utf8ToGbk(s).value_or(std::string()).size(); });
    measure("UTF-16LE to GBK", utf16Text(1), utf16Text(50000),
            [](const std::string& s) { return utf16leToGbk(s).size(); });
    return 0;
}
