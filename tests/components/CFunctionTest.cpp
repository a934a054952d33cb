#include <gtest/gtest.h>

#include "ComponentTesting.h"
#include "components/CFunction.h"

using namespace zl;
using namespace zl::test;

TEST(CFunction, NewDefaultsAndGeometry)
{
    EXPECT_EQ(CFunction(1, {0, 0}).action, CFunction::kJumpTo);
    EXPECT_EQ(CFunction(3, {0, 0}).action, CFunction::kSetCoil);

    struct Case {
        std::uint8_t doubleSize, hand;
        CRect rect;
    };
    for (const Case c : {Case{0, 0, {9, 9, 45, 45}}, Case{0, 1, {9, 9, 81, 45}}, Case{1, 0, {9, 9, 81, 81}},
                         Case{1, 1, {9, 9, 153, 81}}}) {
        CFunction key(3, {0, 0});
        EXPECT_EQ(key.shapeOrKey, 2); // "Right"
        EXPECT_EQ(key.typeCode, kFunctionKey);
        key.doubleSize = c.doubleSize;
        key.hand = c.hand;
        key.MoveTo(9, 9);
        EXPECT_EQ(key.rect, c.rect) << int(c.doubleSize) << int(c.hand);
    }
}

TEST(CFunction, RecordsByAction)
{
    struct Case {
        const char* what;
        unsigned protocol;
        std::uint8_t action, coilAction, jumpTarget, registerType;
        std::int32_t value;
        Bytes record;
    };
    // Every key: x 8, y 16, station 1, address 0x0203, sub-address 4, key "Right" (code 6), word count 2.
    const Case cases[] = {
        {"jump to window 300", 1, 1, 0, 0, 0, 5, {8, 16, 0, 1, 0, 0, 0, 0, 4, 6, 0x80, 0, 0, 0x01, 0x2C, 2, 0}},
        {"jump to the alarm list", 3, 1, 0, 1, 0, 5, {8, 16, 0, 1, 0, 0, 0, 0, 4, 6, 0x81, 0, 0, 0x01, 0x2C, 2, 0}},
        {"set register -1", 1, 2, 0, 0, 1, -1,
         {8, 16, 0, 1, 0x02, 0x02, 0x03, 4, 4, 6, 5, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0}},
        {"instant on, third list", 1, 0, 3, 0, 2, 0x01020304,
         {8, 16, 0, 1, 0x04, 0x02, 0x03, 8, 4, 6, 4, 1, 2, 3, 4, 2, 0}},
        {"coil from the bit list", 19, 0, 0, 0, 1, 0, {8, 16, 0, 1, 0x02, 0x02, 0x03, 4, 4, 6, 1, 0, 0, 0, 0, 2, 0}},
        {"coil by bit address", 11, 0, 1, 0, 0, 0, {8, 16, 0, 1, 0x00, 0x20, 0x34, 0, 4, 6, 2, 0, 0, 0, 0, 2, 0}},
        {"no such action", 1, 7, 0, 0, 0, 5, {8, 16, 0, 1, 0, 0, 0, 0, 4, 6, 0, 0, 0, 0, 0, 2, 0}},
    };
    for (const auto& c : cases) {
        CCompileFixture f(c.protocol);
        CFunction key(c.protocol, {18, 36});
        key.station = 1;
        key.address = 0x0203;
        key.subAddress = 4;
        key.wordCount = 2;
        key.windowNumber = 300;
        key.action = c.action;
        key.coilAction = c.coilAction;
        key.jumpTarget = c.jumpTarget;
        key.registerType = c.registerType;
        key.value = c.value;
        EXPECT_EQ(f.compile(key), c.record) << c.what;
        EXPECT_EQ(f.ctx.writeFlag, 0);
    }
}

TEST(CFunction, AttributesAndPassword)
{
    CCompileFixture f(1);
    CFunction key(1, {0, 0});
    key.reverse = key.doubleSize = key.invisible = key.password = 1;
    f.compile(key);
    EXPECT_EQ(key.record[2], 0x47);
    EXPECT_EQ(f.ctx.writeFlag, 1);
}

TEST(CFunction, Protocol31Operands)
{
    CCompileFixture f(31);
    CFunction key(31, {0, 0});
    key.address = 0x0007;

    key.action = CFunction::kSetCoil;
    key.registerType = 0; // "RC"
    key.subType = 5;      // "AlarmAck"
    key.DeriveVariable();
    EXPECT_EQ(key.subAddress, 22);
    EXPECT_EQ(key.protocol31CoilTypeValue, 0x10);
    EXPECT_EQ(key.protocol31Address, 0x0107);
    f.compile(key);
    EXPECT_EQ(Bytes(key.record.begin() + 3, key.record.begin() + 9), (Bytes{1, 0x10, 0x01, 0x07, 0, 22}));

    key.action = CFunction::kSetRegister;
    key.registerType = 1; // "KV" among the writable words
    key.subType = 0;      // "Unit"
    key.DeriveVariable();
    EXPECT_EQ(key.protocol31RegisterTypeValue, 0x32);
    EXPECT_EQ(key.protocol31Address, 0x0207);
    f.compile(key);
    EXPECT_EQ(Bytes(key.record.begin() + 3, key.record.begin() + 9), (Bytes{1, 0x32, 0x02, 0x07, 2, 76}));
}

TEST(CFunction, SymbolsAreSharedAndRelocated)
{
    CCompileFixture f(3);
    CFunction plain(3, {0, 0});
    CFunction withHand(3, {0, 0});
    CFunction down(3, {0, 0});
    plain.shapeOrKey = withHand.shapeOrKey = 6; // "ENT"
    withHand.hand = 1;
    down.shapeOrKey = 3;
    f.compile(plain);
    f.compile(withHand);
    f.compile(down);
    EXPECT_EQ(f.ctx.symbolCodes, (Bytes{6, 20, 3}));
    EXPECT_EQ(Bytes(plain.record.begin() + 15, plain.record.end()), (Bytes{2, 0}));
    EXPECT_EQ(Bytes(withHand.record.begin() + 15, withHand.record.end()), (Bytes{4, 1, 0}));
    EXPECT_EQ(down.record[16], 2);

    withHand.WriteTextCodes(4); // after the LED block
    EXPECT_EQ(Bytes(withHand.record.begin() + 15, withHand.record.end()), (Bytes{4, 5, 4}));
}

TEST(CFunction, KeysAndPictures)
{
    struct Case {
        std::uint8_t key, reverse, invisible;
        std::uint8_t code, picture;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 4},    // "ESC"
        {7, 1, 0, 1, 26},   // "ALM", reverse
        {9, 0, 1, 13, 33},  // "1", invisible
        {12, 0, 0, 18, 40}, // "4"
        {19, 0, 0, 8, 61},  // "CLR"
        {25, 0, 0, 8, 61},  // past the last key: the last key
    };
    for (const auto& c : cases) {
        CFunction key(3, {0, 0});
        key.shapeOrKey = c.key;
        key.reverse = c.reverse;
        key.invisible = c.invisible;
        EXPECT_EQ(key.KeyCode(), c.code) << int(c.key);
        EXPECT_EQ(key.KeyPicture(), c.picture) << int(c.key);
        EXPECT_EQ(key.HandPicture(), 64 + c.reverse);
    }
}

TEST(CFunction, AttributeSelectorsAndValueFormat)
{
    CFunction key(3, {0, 0});
    key.SetAttribute(2, CFunction::kActionSelector);
    key.SetAttribute(3, CFunction::kCoilActionSelector);
    key.SetAttribute(1, CFunction::kJumpTargetSelector);
    key.SetAttribute(9, 0);
    EXPECT_EQ(key.action, 2);
    EXPECT_EQ(key.coilAction, 3);
    EXPECT_EQ(key.jumpTarget, 1);
    EXPECT_EQ(key.format, 1); // no selector touches the format

    for (std::uint8_t fmt : {CFunction::kUnsigned, CFunction::kHex, CFunction::kSigned}) {
        key.SetValueFormat(fmt);
        const std::uint8_t isSigned = fmt == CFunction::kSigned;
        EXPECT_EQ(key.keyByteB, fmt);
        EXPECT_EQ(key.keyByteA, isSigned);
        EXPECT_EQ(key.isSigned, isSigned);
    }
}

TEST(CFunction, ValueRange)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType, valueFormat;
        std::int64_t minimum, maximum;
    };
    const Case cases[] = {
        {1, 0, CFunction::kUnsigned, 0, 255},
        {1, 1, CFunction::kHex, 0, 65535},
        {1, 1, CFunction::kSigned, -32768, 32767},
        {1, 2, CFunction::kUnsigned, 0, 4294967295},
        {1, 2, CFunction::kSigned, -2147483648, 2147483647},
        {31, 0, CFunction::kSigned, -32768, 32767},
    };
    for (const auto& c : cases) {
        CFunction key(c.protocol, {0, 0});
        key.registerType = c.registerType;
        key.SetValueFormat(c.valueFormat);
        EXPECT_EQ(key.ValueRange(CProtocolTables::Build(c.protocol, {}, 1)), std::make_pair(c.minimum, c.maximum))
            << c.protocol << " " << int(c.registerType);
    }
}

TEST(CFunction, FileBodyByVersion)
{
    CFunction key(3, {0, 0});
    key.x = 8;
    key.y = 16;
    key.hand = 1;
    key.password = 1;
    key.action = 2;
    key.coilAction = 3;
    key.jumpTarget = 1;
    key.windowNumber = 0x0102;
    key.value = -2;
    key.SetValueFormat(CFunction::kSigned);
    key.subType = 9;
    key.protocol31Address = 0x0304;
    key.protocol31RegisterTypeValue = 0x32;
    key.protocol31CoilTypeValue = 0x10;
    const Bytes head = cat({{4}, le32(8), le32(16), {0, 0, 0, 2, 1, 0}, le16(1), {1, 0, 1, 2, 3, 1},
                            le16(0x0102), le32(0xFFFFFFFE), {2, 1}});
    const Bytes body = storeBody(key);
    EXPECT_EQ(body, cat({head, {9}, le16(0x0304), {0x32, 0x10}, zeros(98)}));

    const auto back = loadBody<CFunction>(body);
    EXPECT_EQ(back.value, -2);
    EXPECT_EQ(back.keyByteA, 1);
    EXPECT_EQ(back.protocol31CoilTypeValue, 0x10);
    EXPECT_EQ(back.rect, (CRect{18, 36, 90, 72}));
    auto again = back;
    EXPECT_EQ(storeBody(again), body);
    expectTruncationsFail<CFunction>(body);

    for (std::uint8_t version : {1, 10}) {
        auto old = loadBody<CFunction>(cat({head, zeros(98)}), version);
        EXPECT_EQ(old.windowNumber, 0x0102);
        EXPECT_EQ(old.keyByteB, 2);
        EXPECT_EQ(old.protocol31Address, 0);
        EXPECT_EQ(storeBody(old), cat({head, {0}, le16(0), {0, 0}, zeros(98)}));
    }
}
