#include <gtest/gtest.h>

#include "ComponentTesting.h"
#include "components/CLight.h"

using namespace zl;
using namespace zl::test;

TEST(CLight, NewDefaultsAndGeometry)
{
    struct Case {
        unsigned protocol;
        std::uint16_t address, protocol31Address;
        std::uint8_t subAddress, station;
    };
    for (const Case c : {Case{1, 0, 0, 0, 1}, Case{5, 16, 0, 0, 0}, Case{31, 1, 257, 1, 1}}) {
        const CLight led(c.protocol, {99, 36});
        EXPECT_EQ(led.typeCode, kLed);
        EXPECT_EQ(led.address, c.address) << c.protocol;
        EXPECT_EQ(led.protocol31Address, c.protocol31Address) << c.protocol;
        EXPECT_EQ(led.subAddress, c.subAddress) << c.protocol;
        EXPECT_EQ(led.station, c.station) << c.protocol;
        EXPECT_EQ(led.shapeOrKey, 0);
        EXPECT_EQ(led.rect, (CRect{99, 36, 135, 72}));
        EXPECT_EQ(led.x, 44);
    }
    CLight big(1, {0, 0});
    big.doubleSize = 1;
    big.PlaceAt({400, 100});
    EXPECT_EQ(big.rect, (CRect{360, 72, 432, 144}));
    EXPECT_EQ(big.MaxPanelX(), 160);
}

TEST(CLight, Records)
{
    struct Case {
        const char* what;
        unsigned protocol;
        std::uint8_t shape, logic, doubleSize, registerType, subAddress, bitOffset, wordCount;
        std::uint16_t address;
        Bytes record;
        std::uint8_t picture;
    };
    const Case cases[] = {
        {"round, negative", 1, 0, 1, 0, 1, 0, 3, 1, 0x0102, {8, 16, 0, 1, 0x02, 0x01, 0x02, 2, 0, 3, 1, 0}, 1},
        {"square, positive, double", 1, 1, 0, 1, 2, 0, 0, 2, 7, {8, 16, 2, 1, 0x04, 0, 7, 8, 0, 0, 2, 3}, 2},
        {"bits counted from sub-address", 11, 0, 0, 0, 0, 5, 0, 1, 3, {8, 16, 0, 1, 0x00, 0x00, 0x35, 0, 5, 0, 0, 1}, 0},
        {"third list", 19, 0, 0, 0, 1, 0, 0, 1, 9, {8, 16, 0, 1, 0x80, 0, 9, 0, 0, 0, 0, 1}, 0},
    };
    for (const auto& c : cases) {
        CCompileFixture f(c.protocol);
        CLight led(1, {18, 36});
        led.shapeOrKey = c.shape;
        led.reverse = c.logic;
        led.doubleSize = c.doubleSize;
        led.registerType = c.registerType;
        led.subAddress = c.subAddress;
        led.bitOffset = c.bitOffset;
        led.wordCount = c.wordCount;
        led.address = c.address;
        EXPECT_EQ(f.compile(led), c.record) << c.what;
        EXPECT_EQ(led.PreviewPicture(), c.picture) << c.what;
        EXPECT_TRUE(f.ctx.singleByteChars.empty() && f.ctx.symbolCodes.empty());
    }
}

TEST(CLight, Protocol31NamesItsBitByVariable)
{
    CCompileFixture f(31);
    CLight led(31, {0, 0});
    led.registerType = 1; // "AI" among the readable bits
    led.subType = 1;      // "SensorError"
    led.DeriveVariable();
    EXPECT_EQ(led.subAddress, 35);
    EXPECT_EQ(led.protocol31TypeValue, 0x10);
    f.compile(led);
    EXPECT_EQ(Bytes(led.record.begin() + 3, led.record.begin() + 9), (Bytes{1, 0x10, 0x01, 0x01, 0, 35}));
}

TEST(CLight, BitOffsetRange)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType;
        int maximum;
    };
    for (const Case c : {Case{1, 0, 7}, Case{1, 1, 15}, Case{1, 2, 31}, Case{4, 0, 0}, Case{31, 0, 15}}) {
        CLight led(c.protocol, {0, 0});
        led.registerType = c.registerType;
        EXPECT_EQ(led.BitOffsetMax(CProtocolTables::Build(c.protocol, {}, 1)), c.maximum) << c.protocol;
    }
}

TEST(CLight, FileBodyByVersion)
{
    CLight led(1, {0, 0});
    led.x = 8;
    led.y = 16;
    led.doubleSize = 1;
    led.reverse = 1;
    led.subAddress = 2;
    led.shapeOrKey = 1;
    led.station = 3;
    led.registerType = 4;
    led.address = 0x0506;
    led.bitOffset = 7;
    led.subType = 8;
    led.protocol31TypeValue = 0x10;
    led.protocol31Address = 0x0102;
    const Bytes common = cat({{3}, le32(8), le32(16), {1, 1, 2, 1, 3, 4, 0x06, 0x05, 7}});
    const Bytes body = storeBody(led);
    EXPECT_EQ(body, cat({common, {8, 0x10, 0x02, 0x01}, zeros(50)}));

    const auto back = loadBody<CLight>(body);
    EXPECT_EQ(back.protocol31Address, 0x0102);
    EXPECT_EQ(back.rect, (CRect{18, 36, 90, 108}));
    auto again = back;
    EXPECT_EQ(storeBody(again), body);
    expectTruncationsFail<CLight>(body);

    // Version 10 and older end with the bit offset; the file is written back with the newer fields.
    for (std::uint8_t version : {1, 10}) {
        auto old = loadBody<CLight>(cat({common, zeros(50)}), version);
        EXPECT_EQ(old.bitOffset, 7);
        EXPECT_EQ(old.subType, 0);
        EXPECT_EQ(storeBody(old), cat({common, {0, 0, 0, 0}, zeros(50)}));
    }
}
