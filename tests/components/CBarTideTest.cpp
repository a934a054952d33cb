#include <gtest/gtest.h>

#include "ComponentFields.h"
#include "components/CBarTide.h"

using namespace zl;
using namespace zl::test;

namespace {

template <class T>
T operandSet(unsigned protocol)
{
    T c(protocol, {panelToCanvas(20), panelToCanvas(8)});
    c.format = 0;
    c.isSigned = 1;
    c.maxValue = 500;
    c.minValue = static_cast<std::uint32_t>(-20);
    c.station = 3;
    c.registerType = 1;
    c.address = 0x0203;
    c.wordCount = 2;
    c.subType = 5;
    c.protocol31Address = 0x0104;
    c.protocol31TypeValue = 0x32;
    c.subAddress = 7;
    return c;
}

// The file body of operandSet up to and including the register operand, in the version-12 layout.
Bytes commonBody(std::uint8_t typeCode, std::uint8_t width, std::uint8_t height)
{
    return cat({{typeCode}, le32(20), le32(8), {width, height, 0, 1}, le32(500), le32(-20), {3, 1}, le16(0x0203), {2},
                {5}, le16(0x0104), {0x32}});
}

} // namespace

TEST(BarTide, DefaultsFollowTheProtocol)
{
    struct Case {
        unsigned protocol;
        std::uint16_t address, protocol31Address;
        std::uint32_t largest;
    };
    for (const Case c : {Case{1, 0, 0, 0xFF}, Case{3, 0, 0, 0xFFFF}, Case{17, 0, 0, 0xFFFFFFFF},
                         Case{31, 1, 0x0101, 0xFFFFFFFF}}) {
        const CBar bar(c.protocol, {0, 0});
        const CTide trend(c.protocol, {0, 0});
        for (const CBarTide* b : {static_cast<const CBarTide*>(&bar), static_cast<const CBarTide*>(&trend)}) {
            EXPECT_EQ(b->address, c.address) << c.protocol;
            EXPECT_EQ(b->protocol31Address, c.protocol31Address) << c.protocol;
            EXPECT_EQ(b->maxValue, c.largest) << c.protocol;
            EXPECT_EQ(b->minValue, 0u);
            EXPECT_EQ(b->wordCount, 1);
            EXPECT_EQ(b->height, 48);
        }
    }
    const CBar bar(1, {18, 36});
    EXPECT_EQ(bar.typeCode, kBarGraph);
    EXPECT_EQ(bar.direction, CBar::kUp);
    EXPECT_EQ(bar.rect, (CRect{18, 36, 18 + 36, 36 + 108}));
    const CTide trend(1, {18, 36});
    EXPECT_EQ(trend.typeCode, kTrendLine);
    EXPECT_EQ(trend.rect, (CRect{18, 36, 18 + 216, 36 + 108}));
    EXPECT_EQ(trend.sampleDots, 20);
    EXPECT_EQ(trend.sampleInterval, 5);
}

TEST(BarTide, Records)
{
    CCompileFixture f(3);
    CBar bar(3, {0, 0});
    EXPECT_EQ(f.compile(bar), (Bytes{0, 0, 0x20, 1, 0x02, 0, 0, 2, 0, 16, 48, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 1}));

    CTide trend = operandSet<CTide>(3);
    trend.sampleInterval = 300;
    trend.sampleDots = 40;
    trend.trendCount = 2;
    trend.trendOrdinal = 1;
    // "3x" is 0x82 under this protocol: two bytes a unit, four for two words.
    EXPECT_EQ(f.compile(trend), (Bytes{20, 8, 0x10, 3, 0x82, 0x02, 0x03, 4, 7, 96, 48, 0, 0, 0x01, 0xF4, 0xFF, 0xFF,
                                       0xFF, 0xEC, 40, 0x01, 0x2C, 2, 1}));
    EXPECT_EQ(f.ctx.limitFlag, 0);

    // Protocol 31 names the operand by its own address and the variable's type value.
    CCompileFixture f31(31);
    CBar named(31, {0, 0});
    named.registerType = 0;
    named.subType = 18; // "PBand1"
    named.SelectVariable(31);
    const Bytes record = f31.compile(named);
    EXPECT_EQ(Bytes(record.begin() + 3, record.begin() + 9), (Bytes{1, 0x64, 0x01, 0x01, 4, 57}));
}

TEST(BarTide, TurningTheBarSwapsItsSides)
{
    struct Step {
        std::uint8_t direction;
        std::uint8_t width, height, mask;
    };
    CCompileFixture f(1);
    CBar bar(1, {18, 36});
    for (const Step s : {Step{CBar::kRight, 48, 16, 8}, Step{CBar::kLeft, 48, 16, 4}, Step{CBar::kDown, 16, 48, 2},
                         Step{CBar::kUp, 16, 48, 1}}) {
        bar.SetDirection(s.direction);
        EXPECT_EQ(bar.width, s.width) << int(s.direction);
        EXPECT_EQ(bar.height, s.height);
        EXPECT_EQ(bar.rect.width(), static_cast<int>(s.width * 2.25 + 0.5));
        EXPECT_EQ(f.compile(bar)[19], s.mask);
    }

    // Turned near the right edge, the bar is pulled back onto the canvas.
    CBar edge(1, {400, 0});
    edge.SetDirection(CBar::kRight);
    EXPECT_EQ(edge.rect, (CRect{324, 0, 432, 36}));
    EXPECT_EQ(edge.x, 144);
}

TEST(BarTide, InvertedRangeIsRepairedWhenCompiled)
{
    CCompileFixture f(1);
    CBar bar(1, {0, 0});
    bar.maxValue = 0;
    bar.minValue = 0;
    const Bytes record = f.compile(bar);
    EXPECT_EQ(Bytes(record.begin() + 11, record.begin() + 19), (Bytes{0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(bar.maxValue, 1u);
    EXPECT_EQ(f.ctx.limitFlag, 3);

    CTide trend(1, {0, 0});
    trend.isSigned = 1;
    trend.maxValue = static_cast<std::uint32_t>(-7);
    trend.minValue = static_cast<std::uint32_t>(-1);
    f.compile(trend);
    EXPECT_EQ(trend.maxValue, 0xFFFFFFFFu);
    EXPECT_EQ(trend.minValue, 0xFFFFFFFEu);
    ASSERT_EQ(f.ctx.repaired.size(), 2u);
    EXPECT_EQ(f.ctx.repaired[0].rfind("Bar Graph at (0, 0)", 0), 0u) << f.ctx.repaired[0];
    EXPECT_EQ(f.ctx.repaired[1].rfind("Trend Line at (0, 0)", 0), 0u) << f.ctx.repaired[1];
}

TEST(BarTide, LimitRange)
{
    struct Case {
        bool bar;
        unsigned protocol;
        std::uint8_t registerType, wordCount, isSigned;
        CValueRange range;
    };
    const Case cases[] = {
        {true, 3, 0, 1, 0, {0, 65535}},
        {true, 3, 0, 2, 1, {-2147483648, 2147483647}}, // two 2-byte units
        {false, 3, 0, 2, 0, {0, 4294967295}},
        {true, 1, 2, 2, 0, {0, 4294967295}}, // 64 bits: the limits hold 32
        {false, 1, 2, 4, 0, {0, 0}},         // (4 × 4) mod 16 = 0 bytes
        {true, 20, 5, 1, 0, {200, 255}},     // "C_double" counters
    };
    for (const Case& c : cases) {
        const CProtocolTables tables = CProtocolTables::Build(c.protocol, {}, 1);
        CBar bar(c.protocol, {0, 0});
        CTide trend(c.protocol, {0, 0});
        for (CBarTide* b : {static_cast<CBarTide*>(&bar), static_cast<CBarTide*>(&trend)}) {
            b->registerType = c.registerType;
            b->wordCount = c.wordCount;
            b->isSigned = c.isSigned;
        }
        EXPECT_EQ(c.bar ? bar.LimitRange(tables) : trend.LimitRange(tables), c.range) << c.protocol;
    }
}

TEST(BarTide, FileBodies)
{
    CBar bar = operandSet<CBar>(3);
    bar.direction = CBar::kLeft;
    const Bytes barBody = cat({commonBody(kBarGraph, 16, 48), {CBar::kLeft, 7}, zeros(99)});
    EXPECT_EQ(storeBody(bar), barBody);
    expectRoundTrip(bar);
    expectTruncationsFail<CBar>(barBody);

    CTide trend = operandSet<CTide>(3);
    trend.sampleInterval = 300;
    trend.sampleDots = 40;
    const Bytes trendBody = cat({commonBody(kTrendLine, 96, 48), le16(300), {40, 7}, zeros(99)});
    EXPECT_EQ(storeBody(trend), trendBody);
    expectRoundTrip(trend);
    expectTruncationsFail<CTide>(trendBody);
}

TEST(BarTide, OlderFilesHaveNoProtocol31Fields)
{
    CBar bar = operandSet<CBar>(3);
    bar.subType = 0;
    bar.protocol31Address = 0;
    bar.protocol31TypeValue = 0;
    const Bytes current = storeBody(bar);
    const std::size_t protocol31Fields = commonBody(kBarGraph, 16, 48).size() - 4;
    Bytes older = current;
    older.erase(older.begin() + protocol31Fields, older.begin() + protocol31Fields + 4);

    for (std::uint8_t version : {1, 10}) {
        CBar loaded = loadBody<CBar>(older, version);
        EXPECT_EQ(fields(loaded), fields(bar)) << int(version);
        EXPECT_EQ(storeBody(loaded), current);
    }
    expectTruncationsFail<CBar>(older, 10);
}
