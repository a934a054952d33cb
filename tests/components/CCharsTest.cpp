#include <gtest/gtest.h>

#include "ComponentTesting.h"
#include "components/CChars.h"

using namespace zl;
using namespace zl::test;

namespace {
const std::string kZhong = "\xD6\xD0"; // a two-byte GBK character
const std::string kWen = "\xCE\xC4";
} // namespace

TEST(CChars, NewTextGeometry)
{
    struct Case {
        std::string text;
        std::uint8_t doubleSize;
        CPoint at;
        CRect rect;
        int maxPanelX;
    };
    const Case cases[] = {
        {"Text", 0, {100, 36}, {100, 36, 172, 72}, 160},
        {"Text", 1, {100, 36}, {100, 36, 244, 108}, 128},
        {"A" + kZhong, 1, {0, 0}, {0, 0, 108, 72}, 144},
        {"", 0, {9, 9}, {9, 9, 9, 45}, 192},
        {std::string(24, 'W'), 0, {0, 0}, {0, 0, 432, 36}, 0},
    };
    for (const auto& c : cases) {
        CChars t(5, {0, 0}, c.text);
        t.doubleSize = c.doubleSize;
        t.MoveTo(c.at.x, c.at.y);
        EXPECT_EQ(t.rect, c.rect) << c.text;
        EXPECT_EQ(t.textLength, c.text.size());
        EXPECT_EQ(t.x, canvasToPanel(c.at.x));
        EXPECT_EQ(t.MaxPanelX(), c.maxPanelX) << c.text;
    }
    const CChars fresh(5, {100, 36});
    EXPECT_EQ(fresh.text, "Text");
    EXPECT_EQ(fresh.typeCode, kStaticText);
    EXPECT_EQ(fresh.x, 44);
    EXPECT_EQ(fresh.y, 16);
    EXPECT_EQ(fresh.address, 16); // the operand defaults of protocol 5
    EXPECT_EQ(fresh.station, 0);
}

TEST(CChars, Records)
{
    struct Case {
        std::string text;
        int x, y;
        std::uint8_t doubleSize, reverse;
        Bytes record;
        std::size_t singles, doubles;
    };
    const Case cases[] = {
        {"AB", 0, 0, 0, 0, {0, 0, 0, 2, 0x00, 0x01}, 2, 0},
        {"", 3, 4, 0, 0, {3, 4, 0, 0}, 0, 0},
        {"A" + kZhong, 191, 63, 1, 1, {0xBF, 0x3F, 3, 3, 0x00, 0x80, 0x00}, 1, 1},
        {"A&B", 0, 0, 1, 0, {0, 0, 2, 3, 0x00, 0x01, 0x02}, 3, 0},
        // A lead byte followed by a byte below 0x80 is still one two-byte character.
        {"\x81" "A", 0, 0, 0, 1, {0, 0, 1, 2, 0x80, 0x00}, 0, 1},
    };
    for (const auto& c : cases) {
        CCompileFixture f;
        CChars t(1, {0, 0}, c.text);
        t.x = c.x;
        t.y = c.y;
        t.doubleSize = c.doubleSize;
        t.reverse = c.reverse;
        EXPECT_EQ(f.compile(t), c.record) << c.text;
        EXPECT_EQ(t.downloadSize, c.record.size());
        EXPECT_EQ(f.ctx.singleByteChars.size(), c.singles);
        EXPECT_EQ(f.ctx.doubleByteChars.size(), c.doubles);
    }
}

TEST(CChars, TextsShareCharacterTablesAndRelocate)
{
    CCompileFixture f;
    CChars first(1, {0, 0}, kZhong + "A");
    CChars second(1, {0, 0}, "A" + kWen + kZhong);
    f.compile(first);
    f.compile(second);
    EXPECT_EQ(f.ctx.doubleByteChars, (std::vector<std::string>{kZhong, kWen}));
    EXPECT_EQ(f.ctx.singleByteChars, Bytes{'A'});
    EXPECT_EQ(Bytes(second.record.begin() + 4, second.record.end()), (Bytes{0x00, 0x80, 0x01, 0x80, 0x00}));

    second.WriteTextCodes(7); // 7 glyphs precede the two-byte ones
    EXPECT_EQ(Bytes(second.record.begin() + 4, second.record.end()), (Bytes{0x00, 0x80, 0x08, 0x80, 0x07}));
    first.WriteTextCodes(0xFFFF); // modulo 65536
    EXPECT_EQ(Bytes(first.record.begin() + 4, first.record.end()), (Bytes{0x7F, 0xFF, 0x00}));
}

TEST(CChars, FileBodyRoundTrip)
{
    CChars t(1, {0, 0}, "A" + kZhong);
    t.x = 44;
    t.y = 16;
    t.doubleSize = 1;
    t.reverse = 1;
    const Bytes body = storeBody(t);
    EXPECT_EQ(body, cat({{1}, le32(44), le32(16), {1, 1, 3, 'A', 0xD6, 0xD0}, zeros(50)}));

    // The body is the same in every format version; the rectangle is rebuilt from the position.
    for (std::uint8_t version : {1, 10, 11, 12}) {
        const auto back = loadBody<CChars>(body, version);
        EXPECT_EQ(back.text, t.text);
        EXPECT_EQ(back.textLength, 3);
        EXPECT_EQ(back.rect, (CRect{99, 36, 99 + 108, 108}));
        EXPECT_EQ(back.x, 44);
        auto again = back;
        EXPECT_EQ(storeBody(again), body);
    }
    expectTruncationsFail<CChars>(body);
}

TEST(CChars, TextLongerThanARecordHolds)
{
    // Only a hand-made file can hold such a text: the record keeps what its length byte can say, cut
    // before a character that would not fit, and the file keeps the whole text.
    CChars t;
    t.text = std::string(254, 'A') + kZhong + std::string(44, 'B');
    t.x = -3;
    t.y = 2000000000;
    const Bytes body = storeBody(t);
    auto back = loadBody<CChars>(body);
    EXPECT_EQ(back.textLength, 254);
    EXPECT_EQ(back.x, -3);
    EXPECT_EQ(back.y, 2000000000);
    EXPECT_EQ(storeBody(back), body);

    CCompileFixture f;
    EXPECT_EQ(f.compile(back).size(), 258u);
    EXPECT_EQ(back.record[3], 254);
}

TEST(CChars, CopyStartsWithoutRecord)
{
    CCompileFixture f;
    CChars t(1, {18, 36}, "Hi");
    t.reverse = 1;
    f.compile(t);
    const auto copy = t.Clone();
    const auto& c = static_cast<const CChars&>(*copy);
    EXPECT_EQ(c.text, "Hi");
    EXPECT_EQ(c.rect, t.rect);
    EXPECT_EQ(c.reverse, 1);
    EXPECT_TRUE(c.record.empty());
}
