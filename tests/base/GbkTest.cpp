#include <gtest/gtest.h>

#include "base/Gbk.h"

#if __has_include(<iconv.h>) && !defined(_WIN32)
#include <algorithm>
#include <cerrno>
#include <iconv.h>
#define ZL410_HAVE_ICONV 1
#endif

using namespace zl;

namespace
{

const std::string kReplacement = "\xEF\xBF\xBD";

std::string bytes(std::initializer_list<int> list)
{
    std::string out;
    for (int b : list)
        out.push_back(static_cast<char>(b));
    return out;
}

} // namespace

// What the project files and panel rely on: the euro's single byte, double-byte codes, and how damaged
// text comes out (one replacement per byte that starts no character, the next byte read afresh).
TEST(Gbk, DecodesCharactersAndReplacesWhatHasNoMapping)
{
    struct Case {
        std::string gbk, utf8;
    };
    const std::string bad = kReplacement;
    const Case cases[] = {
        {"Ab 1", "Ab 1"},
        {bytes({0xD6, 0xD0, 0xCE, 0xC4}), "\xE4\xB8\xAD\xE6\x96\x87"},
        {bytes({0x80, 0x41}), "\xE2\x82\xAC"
                              "A"},
        {bytes({0xA1, 0xA1}), "\xE3\x80\x80"},
        {bytes({0xFE, 0x4F}), "\xEF\xA8\xA9"},
        {bytes({0x81}), bad},
        {bytes({0xFF}), bad},
        {bytes({0x81, 0x30}), bad + "0"},
        {bytes({0x81, 0x7F}), bad + "\x7F"},
        {bytes({0x81, 0xFF}), bad + bad},
        {bytes({0xA2, 0xA0}), bad + bad}, // no mapping: the second byte then starts a cut-short code
        {bytes({0xAA, 0xA1}), bad + bad}, // user-defined area
        {bytes({0x41, 0x00, 0x42}), std::string("A\0B", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.gbk));
        EXPECT_EQ(gbkToUtf8(c.gbk), c.utf8);
    }
}

TEST(Gbk, EncodesOnlyWhatHasACode)
{
    struct Case {
        std::string utf8;
        std::optional<std::string> gbk;
    };
    const Case cases[] = {
        {"", std::string()},
        {"Ab", "Ab"},
        {"\xE4\xB8\xAD\xE6\x96\x87", bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {"\xE2\x82\xAC", std::nullopt}, // "€": a one-byte code the panel takes for half a character
        {"\xC2\xB7", bytes({0xA1, 0xA4})},
        {"\xC5\x91", std::nullopt},          // "ő": no GBK code
        {"\xC2\xA0", std::nullopt},          // no GBK code
        {"\xF0\x9F\x98\x80", std::nullopt},  // beyond the 16-bit plane
        {"\xC0\x80", std::nullopt},          // overlong
        {"\xED\xA0\x80", std::nullopt},      // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt},  // past U+10FFFF
        {"A\xF3\xA0\x80\x81", std::nullopt}, // a tag character: refused, not dropped unseen
        {"\xE4\xB8", std::nullopt},          // cut short
        {"A\xE4\xB8\xAD\x80", std::nullopt}, // stray continuation byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(utf8ToGbk(c.utf8), c.gbk);
    }
}

TEST(Gbk, FindsTheFirstByteThePanelWouldMisread)
{
    struct Case {
        std::string gbk;
        std::optional<std::size_t> at;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"Ab\x07", std::nullopt},
        {bytes({0xB0, 0xA1, 'x', 0xA1, 0x40}), std::nullopt},
        {bytes({'A', 0x80, 'b'}), 1},         // "€" as one byte
        {bytes({'A', 'b', 0xB0}), 2},         // a lead byte at the end
        {bytes({0xB0, 0xA1, 0xB0, 0x20}), 2}, // a lead byte before ASCII
        {bytes({0xB0, 0x7F}), 0},
        {bytes({0xFF, 0xA1}), 0},
        {bytes({0xB0, 0xFF}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.gbk));
        EXPECT_EQ(firstUnshowableByte(c.gbk), c.at);
    }
}

TEST(Gbk, WideTextReplacesEachUnitWithoutACode)
{
    struct Case {
        std::string utf16le, gbk;
    };
    const Case cases[] = {
        {bytes({0x41, 0x00, 0x2D, 0x4E}), bytes({0x41, 0xD6, 0xD0})},
        {bytes({0xAC, 0x20}), "?"}, // "€": its one-byte code would be half a character on the panel
        {bytes({0x3D, 0xD8, 0x00, 0xDE}), "??"}, // a pair beyond the 16-bit plane: one '?' per unit
        {bytes({0x00, 0xD8, 0x41, 0x00}), "?A"}, // a lone high surrogate
        {bytes({0x00, 0xDC}), "?"},
        {bytes({0xFF, 0xFE}), "?"},        // a byte-order mark is a character like any other
        {bytes({0x41, 0x00, 0x42}), "A?"}, // an odd byte at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf16le));
        EXPECT_EQ(utf16leToGbk(c.utf16le), c.gbk);
    }
}

#ifdef ZL410_HAVE_ICONV
namespace
{

// The C library's conversion, which the build's tables are made from: one replacement per unconvertible
// input unit, or nullopt at the first one when there is no replacement.
class Iconv
{
public:
    Iconv(const char* to, const char* from, std::string_view replace, std::size_t unit)
        : m_cd(iconv_open(to, from)), m_replace(replace), m_unit(unit)
    {
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    std::optional<std::string> operator()(std::string_view in) const
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        while (left) {
            char buffer[64];
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer, dst);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                if (m_replace.empty())
                    return std::nullopt;
                out.append(m_replace);
                const std::size_t skip = std::min(m_unit, left);
                src += skip;
                left -= skip;
            }
        }
        return out;
    }

private:
    iconv_t m_cd;
    std::string_view m_replace;
    std::size_t m_unit;
};

// UTF-8 of a 16-bit code, surrogates too (which makes ill-formed input).
std::string utf8Of(unsigned code)
{
    if (code < 0x80)
        return bytes({int(code)});
    if (code < 0x800)
        return bytes({0xC0 | int(code >> 6), 0x80 | int(code & 0x3F)});
    return bytes({0xE0 | int(code >> 12), 0x80 | int(code >> 6 & 0x3F), 0x80 | int(code & 0x3F)});
}

} // namespace

// What the panel shows of the C library's GBK: nothing where a code would be misread ("€" is 0x80).
// (Wide text stands such a character in as '?'.)
std::optional<std::string> panelOnly(const std::optional<std::string>& gbk)
{
    return gbk && firstUnshowableByte(*gbk) ? std::nullopt : gbk;
}

// Every one- and two-byte GBK input, every 16-bit unit, every pair of bytes as UTF-8 and every character
// of the 16-bit plane (surrogates included) in UTF-8 convert exactly as the C library converts them.
TEST(Gbk, AgreesWithTheCLibraryOnEveryShortInput)
{
    unsigned differences = 0;
    auto check = [&](const std::optional<std::string>& got, const std::optional<std::string>& want,
                     const std::string& in) {
        if (got != want && ++differences <= 5)
            ADD_FAILURE() << "input " << testing::PrintToString(in);
    };
    const Iconv fromGbk("UTF-8", "GBK", kReplacement, 1), fromWide("GBK", "UTF-16LE", "?", 2),
        toGbk("GBK", "UTF-8", {}, 1);
    for (unsigned a = 0; a < 0x10000; ++a) {
        const std::string two = bytes({int(a >> 8), int(a & 0xFF)});
        const std::string encoded = utf8Of(a);
        check(gbkToUtf8(two), fromGbk(two), two);
        check(utf16leToGbk(two), panelOnly(fromWide(two)).value_or("?"), two);
        check(utf8ToGbk(two), panelOnly(toGbk(two)), two);
        check(utf8ToGbk(encoded), panelOnly(toGbk(encoded)), encoded);
        if (a < 0x100) {
            const std::string one = bytes({int(a)});
            check(gbkToUtf8(one), fromGbk(one), one);
            check(utf16leToGbk(one), fromWide(one), one);
        }
    }
    EXPECT_EQ(differences, 0u);
}
#else
TEST(Gbk, AgreesWithTheCLibraryOnEveryShortInput)
{
    GTEST_SKIP() << "no iconv here to compare with; the build machine's was, when the tables were made";
}
#endif
