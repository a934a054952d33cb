#include <gtest/gtest.h>

#include "plc/CProtocolTables.h"
#include "model/CAlarmList.h"
#include "model/CArchive.h"
#include "model/CCompileContext.h"

using namespace zl;

namespace {

Bytes store(CAlarmList& list)
{
    CArchive ar;
    list.Serialize(ar);
    return ar.takeBuffer();
}

// Sizes, placement from `running`, build; returns the running offset after the list.
std::uint16_t compile(CAlarmList& list, CCompileContext& ctx, std::uint16_t running = 0, std::uint16_t base = 0)
{
    list.CalcDownloadSize();
    list.Place(running);
    list.BuildDownloadData(ctx, base);
    return running;
}

} // namespace

TEST(AlarmList, EmptyListStores108BytesAndCompilesToABareHeader)
{
    CAlarmList list(3);
    list.address = 0x1234;
    const Bytes bytes = store(list);
    ASSERT_EQ(bytes.size(), 108u);
    EXPECT_EQ((Bytes(bytes.begin(), bytes.begin() + 6)), (Bytes{1, 0x34, 0x12, 0, 0, 0}));
    EXPECT_EQ(bytes[106], 0);
    EXPECT_EQ(bytes[107], 0);

    const CProtocolTables tables = CProtocolTables::Build(3, {}, 1);
    CCompileContext ctx(tables);
    EXPECT_EQ(compile(list, ctx, 0x200), 0x20A);
    ASSERT_EQ(list.headerRecord.size(), 10u);
    EXPECT_EQ(list.headerRecord[0], 0);
    EXPECT_TRUE(list.textRecords.empty());
}

TEST(AlarmList, LoadingReplacesTheTexts)
{
    CAlarmList saved;
    saved.station = 7;
    saved.address = 300;
    saved.subAddress = 2;
    saved.registerType = 1;
    saved.offset = 5;
    saved.texts = {"AB", "\xB1\xA8\xBE\xAF"};
    const Bytes bytes = store(saved);

    CAlarmList loaded;
    loaded.texts = {"old", "older", "oldest"};
    CArchive in(bytes);
    loaded.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(loaded.texts, saved.texts);
    EXPECT_EQ(loaded.station, 7);
    EXPECT_EQ(loaded.address, 300);
    EXPECT_EQ(loaded.subAddress, 2);
    EXPECT_EQ(loaded.registerType, 1);
    EXPECT_EQ(loaded.offset, 5);
}

TEST(AlarmList, ResetAndConstructionDefaults)
{
    struct Case {
        unsigned protocol;
        std::uint8_t createdStation, resetStation;
        std::uint16_t resetAddress;
    };
    for (const Case& c : {Case{1, 1, 1, 0}, Case{2, 2, 2, 0}, Case{5, 0, 0, 16}, Case{11, 1, 0, 0},
                          Case{17, 1, 0, 0}, Case{22, 1, 0, 0}}) {
        CAlarmList list(c.protocol);
        EXPECT_EQ(list.station, c.createdStation) << c.protocol;
        list.texts = {"x"};
        list.registerType = 3;
        list.offset = 4;
        list.subAddress = 5;
        list.address = 77;
        list.Reset(c.protocol);
        EXPECT_TRUE(list.texts.empty());
        EXPECT_EQ(list.station, c.resetStation) << c.protocol;
        EXPECT_EQ(list.address, c.resetAddress) << c.protocol;
        EXPECT_EQ(list.registerType, 3) << "the register type is kept";
        EXPECT_EQ(list.offset, 0);
        EXPECT_EQ(list.subAddress, 0);
    }
}

TEST(AlarmList, PlacementPointsEachEntryAtItsTextRecord)
{
    CAlarmList list;
    list.texts = {"AB", "C"};
    list.CalcDownloadSize();
    EXPECT_EQ(list.headerSize, 16u);
    EXPECT_EQ(list.recordLengths, (std::vector<std::size_t>{20, 19}));
    EXPECT_EQ(list.recordsSize, 39u);

    std::uint16_t running = 0x0100;
    list.Place(running);
    EXPECT_EQ(running, 0x0137);

    const CProtocolTables tables = CProtocolTables::Build(3, {}, 1);
    CCompileContext ctx(tables);
    ctx.singleByteChars = {'C'};
    list.BuildDownloadData(ctx, 0);
    const Bytes entries(list.headerRecord.begin() + 10, list.headerRecord.end());
    EXPECT_EQ(entries, (Bytes{0, 0x01, 0x10, 1, 0x01, 0x24}));

    Bytes records(39, 0);
    records[0] = 2;
    records[18] = 1; // 'A' is new: after the 'C' already in the table
    records[19] = 2;
    records[20] = 1;
    records[38] = 0; // 'C'
    EXPECT_EQ(list.textRecords, records);
    EXPECT_EQ(ctx.singleByteChars, (Bytes{'C', 'A', 'B'}));
}

TEST(AlarmList, DoubleByteTextsCountFromTheBase)
{
    CAlarmList list;
    list.texts = {"\xB1\xA8x\xB1\xA8"};
    const CProtocolTables tables = CProtocolTables::Build(3, {}, 1);
    CCompileContext ctx(tables);
    compile(list, ctx, 0, 0x10);
    EXPECT_EQ((Bytes(list.textRecords.begin() + 18, list.textRecords.end())), (Bytes{0x80, 0x10, 0, 0x80, 0x10}));
    EXPECT_EQ(ctx.doubleByteChars.size(), 1u);
}

// Texts longer than a record's length byte still get records that hold them; the length byte keeps
// the low 8 bits.
TEST(AlarmList, LongTextsFitTheirRecords)
{
    CAlarmList list;
    list.texts = {std::string(300, 'a'), "b"};
    const CProtocolTables tables = CProtocolTables::Build(3, {}, 1);
    CCompileContext ctx(tables);
    const std::uint16_t end = compile(list, ctx);
    EXPECT_EQ(list.textRecords.size(), 318u + 19u);
    EXPECT_EQ(list.textRecords[0], 300 & 0xFF);
    EXPECT_EQ(list.textRecords[318], 1);
    EXPECT_EQ(list.headerRecord[10 + 3 + 2], static_cast<std::uint8_t>(16 + 318));
    EXPECT_EQ(end, 16 + 318 + 19);
}

// Header bytes 4 … 9: type value, address bytes, length code, bit fields A and B.
TEST(AlarmList, CoilBytesPerProtocol)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType;
        std::uint16_t address;
        std::uint8_t subAddress, offset;
        Bytes expected;
    };
    const Case cases[] = {
        {1, 2, 0x0203, 6, 9, {0x04, 0x02, 0x03, 4, 6, 9}},
        {2, 0, 0x0102, 4, 0, {0x00, 0x01, 0x02, 1, 4, 4}},
        {3, 0, 100, 0, 0, {0x00, 0x00, 0x03, 4, 4, 0}},
        {4, 0, 100, 3, 0, {0x00, 0x00, 12, 1, 3, 4}},
        {7, 0, 0x1234, 0, 0, {0x00, 0x01, 0x23, 2, 4, 0}},
        {9, 0, 0x0506, 1, 3, {0x00, 0x05, 0x06, 0, 1, 3}},
        {10, 0, 100, 2, 0, {0x00, 0x00, 0x03, 4, 2, 4}},
        {19, 1, 12, 3, 0, {0x12, 0x00, 0x05, 4, 3, 19}},
        {19, 0, 0x1234, 3, 0, {0x00, 0x00, 0x91, 4, 3, 19}},
        {20, 0, 0x1234, 0, 0, {0x22, 0x01, 0x23, 2, 4, 4}},
        {21, 0, 0, 0, 0, {0x00, 0x07, 0xFF, 4, 0, 31}}, // address 0 wraps to 0xFFFF before the shifts
        {24, 0, 0x0304, 0, 0, {0x10, 0x03, 0x04, 0, 0, 0}},
        {26, 5, 0x00F7, 1, 0, {0xD2, 0x00, 0x0F, 2, 1, 7}},
        {27, 0, 0x0102, 5, 0, {0x92, 0x01, 0x02, 2, 5, 5}},
        {28, 1, 0x1234, 0, 0, {0x42, 0x01, 0x23, 2, 0, 4}},
        {29, 0, 5, 2, 0, {0x12, 0x00, 0x02, 2, 0, 10}},
        {30, 1, 4, 1, 0, {0x22, 0x00, 0x02, 2, 0, 1}},
    };
    for (const Case& c : cases) {
        const CProtocolTables tables = CProtocolTables::Build(c.protocol, {}, 1);
        CCompileContext ctx(tables);
        CAlarmList list;
        list.texts = {"a", "b", "c"};
        list.station = 9;
        list.registerType = c.registerType;
        list.address = c.address;
        list.subAddress = c.subAddress;
        list.offset = c.offset;
        compile(list, ctx);
        EXPECT_EQ((Bytes(list.headerRecord.begin(), list.headerRecord.begin() + 4)), (Bytes{3, 1, 0, 9}));
        EXPECT_EQ((Bytes(list.headerRecord.begin() + 4, list.headerRecord.begin() + 10)), c.expected)
            << "protocol " << c.protocol << ", register type " << int(c.registerType);
    }
}

// Where the offset counts bits inside one register, the texts end with the register.
TEST(AlarmList, TextLimitFollowsTheRegisterUnit)
{
    CAlarmList list;
    const CProtocolTables torvain = CProtocolTables::Build(1, {}, 1);
    const std::size_t bits[] = {8, 16, 32}; // "B", "W", "D"
    for (std::uint8_t type = 0; type < 3; ++type) {
        list.registerType = type;
        EXPECT_EQ(list.TextLimit(torvain), bits[type]);
    }
    list.registerType = 1;
    list.offset = 14;
    EXPECT_TRUE(list.CoilLabel(1, torvain));
    EXPECT_FALSE(list.CoilLabel(2, torvain)); // bit 16 lies in the next register
    EXPECT_EQ(list.TextLimit(CProtocolTables::Build(3, {}, 1)), 255u);
}

// The coil of texts 0, 2 and 10 from address 10, sub-address 6 (offset 13 where the coil is an offset) in the
// notation of each protocol's manuals.
TEST(AlarmList, CoilLabelsPerProtocol)
{
    struct Case {
        unsigned protocol;
        std::uint8_t registerType;
        const char* labels;
    };
    const Case cases[] = {
        {1, 0, "-|-|-"}, // bit 13 of an 8-bit unit lies in the next register
        {1, 1, "000a 06 0d|000a 06 0f|-"},
        {2, 0, "M10.6|M11.0|M12.0"},
        {3, 1, "1x/10|1x/12|1x/20"},
        {4, 0, "M10|M12|M20"},
        {5, 0, "IR10.6|IR10.8|IR11.0"},
        {6, 0, "R10.6|R10.8|R11.0"},
        {7, 0, "M12|M14|M24"},
        {8, 0, "M10|M12|M20"},
        {9, 0, "M10|M12|M20"},
        {10, 0, "M10|M12|M20"},
        {11, 0, "M106|M108|M110"},
        {12, 0, "M106|M108|M110"},
        {13, 0, "M10|M12|M20"},
        {14, 0, "MW10.6|MW10.8|MW11.0"},
        {15, 1, "B9:10/6|B9:10/8|B9:11/0"},
        {16, 0, "0x/10|0x/12|0x/20"},
        {17, 0, "F10|F12|F20"},
        {18, 0, "M106|M108|M110"},
        {19, 0, "0x10|0x12|0x20"},
        {19, 1, "4x10.6|4x10.8|4x11.0"},
        {20, 1, "SM10|SM12|SM20"},
        {21, 0, "0x10|0x12|0x20"},
        {22, 0, "MX106|MX108|MX110"},
        {23, 0, "M10|M12|M20"},
        {24, 0, "R10|R12|R20"},
        {25, 0, "0x10|0x12|0x20"},
        {25, 1, "4x10|4x12|4x20"},
        {26, 1, "M10|M12|M20"},
        {27, 1, "W10.6|W10.8|W11.0"},
        {28, 1, "S10|S12|S20"},
        {29, 1, "Q10.6|Q11.0|Q12.0"},
        {30, 0, "M10.6|M11.0|M12.0"},
        {31, 1, "AI10|AI12|AI20"},
        {32, 0, "M10.6|M10.8|M11.0"},
        {33, 0, "M10|M12|M20"},
        {34, 1, "1x/10|1x/12|1x/20"},
        {99, 0, "10.6|10.8|11.0"}, // a number with no row: no type names, bit numbers shown
    };
    for (const Case& c : cases) {
        const CProtocolTables tables =
            CProtocolTables::Build(c.protocol, CProtocolTables::Build(3, {}, 1), 1);
        CAlarmList list;
        list.registerType = c.registerType;
        list.address = 10;
        list.subAddress = 6;
        list.offset = 13;
        std::string labels;
        for (std::size_t k : {0, 2, 10}) {
            const auto label = list.CoilLabel(k, tables);
            labels += (labels.empty() ? "" : "|") + label.value_or("-");
        }
        EXPECT_EQ(labels, c.labels) << "protocol " << c.protocol << ", register type " << int(c.registerType);
    }
}
