#include <gtest/gtest.h>

#include "ComponentFields.h"
#include "components/CRegister.h"

using namespace zl;
using namespace zl::test;

namespace {

// A register that sets every field to something other than its default.
CRegister fullRegister(unsigned protocol)
{
    CRegister r(protocol, {panelToCanvas(8), panelToCanvas(16)});
    r.doubleSize = 1;
    r.registerType = 1;
    r.address = 0x1234;
    r.wordCount = 2;
    r.digits = 6;
    r.decimals = 2;
    r.set = 1;
    r.limited = 1;
    r.maxInput = 1000;
    r.minInput = static_cast<std::uint32_t>(-5);
    r.engineeringMax = 5000;
    r.password = 1;
    r.format = 0;
    r.isSigned = 1;
    r.engineeringUnits = 1;
    r.subAddress = 3;
    r.subType = 4;
    r.protocol31TypeValue = 0x64;
    r.protocol31Address = 0x0102;
    r.MoveTo(r.rect.left, r.rect.top);
    return r;
}

} // namespace

TEST(Register, DefaultsFollowTheProtocol)
{
    struct Case {
        unsigned protocol;
        unsigned address, station;
        std::uint32_t largest; // from the width of the protocol's first word register type
    };
    for (const Case c : {Case{1, 0, 1, 0xFF}, Case{2, 0, 2, 0xFFFF}, Case{3, 0, 1, 0xFFFF}, Case{7, 1024, 1, 0xFFFF},
                         Case{17, 0, 0, 0xFFFFFFFF}, Case{31, 0, 1, 0xFFFF}}) {
        const CRegister r(c.protocol, {100, 40});
        EXPECT_EQ(r.typeCode, kRegister);
        EXPECT_EQ(r.address, c.address) << c.protocol;
        EXPECT_EQ(r.station, c.station) << c.protocol;
        EXPECT_EQ(r.maxInput, c.largest) << c.protocol;
        EXPECT_EQ(r.engineeringMax, c.largest) << c.protocol;
        EXPECT_EQ(r.minInput, 0u);
        EXPECT_EQ(r.digits, 5);
        EXPECT_EQ(r.format, 1);
        EXPECT_EQ(r.x, 44);
        EXPECT_EQ(r.y, 18);
    }
}

TEST(Register, GeometryAndDisplay)
{
    struct Case {
        int digits, decimals, isSigned, doubleSize;
        int width, height;
        unsigned displayWidth;
        const char* sample;
        bool error;
    };
    const Case cases[] = {
        {5, 0, 0, 0, 90, 36, 5, "12345", false},
        {4, 4, 0, 0, 108, 36, 6, "0.1234", false}, // leading "0" and the point
        {5, 2, 1, 0, 126, 36, 7, "-123.45", false},
        {3, 1, 0, 1, 144, 72, 4, "12.3", false},
        {3, 3, 0, 0, 90, 36, 5, "0.123", false},
        {10, 1, 0, 0, 198, 36, 11, "123456789.0", false},
        {2, 3, 0, 0, 36, 36, 4, "0.12", true}, // more decimals than digits: sized without the point
    };
    for (const Case& c : cases) {
        CRegister r(1, {18, 36});
        r.digits = static_cast<std::uint8_t>(c.digits);
        r.decimals = static_cast<std::uint8_t>(c.decimals);
        r.isSigned = static_cast<std::uint8_t>(c.isSigned);
        r.doubleSize = static_cast<std::uint8_t>(c.doubleSize);
        r.MoveTo(18, 36);
        SCOPED_TRACE(c.sample);
        EXPECT_EQ(r.rect, (CRect{18, 36, 18 + c.width, 36 + c.height}));
        EXPECT_EQ(r.DisplayWidth(), c.displayWidth);
        EXPECT_EQ(r.SampleText(), c.sample);
        const auto error = r.GeometryError();
        EXPECT_EQ(error.has_value(), c.error);
        if (error) {
            EXPECT_EQ(error->text, "Register error!");
        }
    }
}

TEST(Register, RecordSizeFollowsLimitedAndEngineeringUnits)
{
    struct Case {
        std::uint8_t limited, engineeringUnits;
        std::size_t size;
    };
    for (const Case c : {Case{0, 0, 11}, Case{1, 0, 19}, Case{1, 1, 27}, Case{0, 1, 11}}) {
        CCompileFixture f(3);
        CRegister r(3, {0, 0});
        r.limited = c.limited;
        r.engineeringUnits = c.engineeringUnits;
        EXPECT_EQ(f.compile(r).size(), c.size);
    }
}

TEST(Register, RecordBytes)
{
    CCompileFixture f(3);
    CRegister r = fullRegister(3);
    const Bytes expected{8,    16,   0xDE, 1,    0x82, 0x12, 0x34, 4,    3,    8,    2,    0,    0,    0x03,
                         0xE8, 0xFF, 0xFF, 0xFF, 0xFB, 0,    0,    0x13, 0x88, 0,    0,    0,    0};
    EXPECT_EQ(f.compile(r), expected);
    EXPECT_EQ(f.ctx.writeFlag, 1); // password-protected entry
    EXPECT_EQ(f.ctx.limitFlag, 0);
}

TEST(Register, Protocol31UsesTheNamedVariable)
{
    CCompileFixture f(31);
    CRegister r(31, {0, 0});
    r.registerType = 0; // "RC"
    r.subType = 18;     // "PBand1"
    r.protocol31Address = 0x0102;
    r.SelectVariable(31);
    EXPECT_EQ(r.subAddress, 57);
    EXPECT_EQ(r.protocol31TypeValue, 0x64);
    const Bytes record = f.compile(r);
    EXPECT_EQ(Bytes(record.begin() + 3, record.begin() + 9), (Bytes{1, 0x64, 0x01, 0x02, 4, 57}));

    CRegister other(3, {0, 0});
    other.subAddress = 9;
    other.SelectVariable(3); // no named variables elsewhere
    EXPECT_EQ(other.subAddress, 9);
}

TEST(Register, InvertedLimitsAreRepairedWhenCompiled)
{
    struct Case {
        std::uint8_t isSigned;
        std::int64_t max, min;
        std::uint32_t newMax, newMin;
    };
    const Case cases[] = {
        {0, 100, 100, 101, 100},
        {1, -5, -1, 0xFFFFFFFF, 0xFFFFFFFE},
        {0, 10, 20, 21, 20},
    };
    for (const Case& c : cases) {
        CCompileFixture f(3);
        CRegister r(3, {0, 0});
        r.isSigned = c.isSigned;
        r.limited = 1;
        r.maxInput = static_cast<std::uint32_t>(c.max);
        r.minInput = static_cast<std::uint32_t>(c.min);
        const Bytes record = f.compile(r);
        EXPECT_EQ(r.maxInput, c.newMax); // the stored fields change
        EXPECT_EQ(r.minInput, c.newMin);
        EXPECT_EQ(getBe16(&record[11]) << 16 | getBe16(&record[13]), c.newMax);
        EXPECT_EQ(getBe16(&record[15]) << 16 | getBe16(&record[17]), c.newMin);
        EXPECT_EQ(f.ctx.limitFlag, 1);
        ASSERT_EQ(f.ctx.repaired.size(), 1u);
        EXPECT_NE(f.ctx.repaired[0].find("Register at (0, 0)"), std::string::npos) << f.ctx.repaired[0];
    }

    // Sound limits are left alone, limited or not.
    CCompileFixture f(3);
    CRegister r(3, {0, 0});
    f.compile(r);
    EXPECT_EQ(f.ctx.limitFlag, 0);
    EXPECT_TRUE(f.ctx.repaired.empty());
}

TEST(Register, LimitRange)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType, wordCount, isSigned;
        CValueRange range;
    };
    const Case cases[] = {
        {3, 0, 1, 0, {0, 65535}},
        {3, 0, 1, 1, {-32768, 32767}},
        {1, 2, 1, 0, {0, 4294967295}}, // "D", 4 bytes
        {1, 2, 1, 1, {-2147483648, 2147483647}},
        {31, 0, 1, 1, {0, 65535}},
        {32, 0, 1, 1, {0, 65535}},
        {20, 5, 1, 0, {200, 255}}, // "C_double" counters
    };
    for (const Case& c : cases) {
        const CProtocolTables tables = CProtocolTables::Build(c.protocol, {}, 1);
        CRegister r(c.protocol, {0, 0});
        r.registerType = c.registerType;
        r.wordCount = c.wordCount;
        r.isSigned = c.isSigned;
        EXPECT_EQ(r.LimitRange(tables), c.range) << c.protocol;
    }
}

TEST(Register, FileBody)
{
    CRegister r = fullRegister(3);
    const Bytes expected = cat({{kRegister}, le32(8), le32(16), {1, 0, 1, 1}, le16(0x1234), {2, 6, 2, 1, 1},
                                le32(1000), le32(-5), le32(5000), le32(0), {1, 0, 1, 1, 3, 4, 0x64}, le16(0x0102),
                                zeros(99)});
    EXPECT_EQ(storeBody(r), expected);
    expectRoundTrip(r);
    expectTruncationsFail<CRegister>(expected);
}

TEST(Register, OlderFilesHaveNoProtocol31Fields)
{
    CRegister r = fullRegister(3);
    r.subType = 0;
    r.protocol31TypeValue = 0;
    r.protocol31Address = 0;
    const Bytes current = storeBody(r);
    Bytes older = current;
    const std::size_t protocol31Fields = 1 + 4 + 4 + 1 + 4 + 8 + 3 * 4 + 4 + 1 + 5; // after the sub-address
    older.erase(older.begin() + protocol31Fields, older.begin() + protocol31Fields + 4);

    for (std::uint8_t version : {1, 10}) {
        CRegister loaded = loadBody<CRegister>(older, version);
        EXPECT_EQ(fields(loaded), fields(r)) << int(version);
        EXPECT_EQ(storeBody(loaded), current); // written back with them
    }
    EXPECT_EQ(storeBody(*loadBody<CRegister>(current, 11).Clone()), current);
    expectTruncationsFail<CRegister>(older, 10);
}

TEST(ValueRangeRepair, WrapsLikeThePanelAndReportsOnlyRealChanges)
{
    struct Case {
        bool isSigned;
        std::uint32_t max, min;
        std::uint32_t newMax, newMin;
        bool changed;
    };
    const Case cases[] = {
        {false, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0, false},
        {true, 10, 0xFFFFFFFD, 10, 0xFFFFFFFD, false},
        {false, 0, 0, 1, 0, true},
        {true, 0x80000000, 0x7FFFFFFF, 0x80000000, 0x7FFFFFFF, false}, // no larger signed value exists
        {false, 0, 0xFFFFFFFF, 0, 0xFFFFFFFF, false},                   // nor a larger unsigned one
    };
    for (const Case& c : cases) {
        std::uint32_t max = c.max;
        std::uint32_t min = c.min;
        EXPECT_EQ(repairValueRange(max, min, c.isSigned), c.changed) << c.max << " " << c.min;
        EXPECT_EQ(max, c.newMax);
        EXPECT_EQ(min, c.newMin);
    }
}
