#include <gtest/gtest.h>

#include <set>

#include "plc/CCommSettings.h"
#include "plc/CProtocolTables.h"
#include "plc/CPanelSettings.h"

using namespace zl;

namespace {
CProtocolTables build(unsigned p, std::uint8_t plcStation = 1) { return CProtocolTables::Build(p, {}, plcStation); }
using Names = std::vector<std::string>;
} // namespace

TEST(ProtocolNames, EnglishAndChineseByNumber)
{
    EXPECT_STREQ(protocolName(1), "TORVAIN");
    EXPECT_STREQ(protocolName(3), "Modbus RTU");
    EXPECT_STREQ(protocolName(34), "techwayson V80");
    EXPECT_STREQ(protocolChineseName(2), "西门子S7-200 系列");
    EXPECT_STREQ(protocolName(0), "");
    EXPECT_STREQ(protocolName(35), "");
    EXPECT_EQ(protocolDisplayName(200), "Unknown protocol 200");
}

TEST(ProtocolTables, RowsOfTheOperandTable)
{
    struct Row {
        unsigned protocol;
        Names word, bit, third, alarm;
        int stationMin, stationMax, registerMax, coilMax, bitMax, words;
    };
    const std::vector<Row> rows{
        {1, {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, {"B", "W", "D"}, 1, 15, 0xFFFF, 0xFFFF, 255, 1},
        {2, {"VW", "VD"}, {"M"}, {"M"}, {"M"}, 2, 126, 9999, 9999, 7, 1},
        {16, {"4x", "3x"}, {"0x"}, {"0x", "1x"}, {"0x", "1x"}, 1, 247, 0xFFFF, 0xFFFF, 15, 2},
        {15, {"N7", "N9", "N10", "N11", "N12", "N13", "N14", "N15"}, {"B3", "B9", "B10", "B11", "B12", "B13"},
         {"B3", "B9", "B10", "B11", "B12", "B13"}, {"B3", "B9", "B10", "B11", "B12", "B13"}, 1, 1, 9999, 9999, 15, 2},
        {17, {"R"}, {"F"}, {"F"}, {"F"}, 0, 253, 9999, 9999, 0, 1},
        {20, {"D", "SD", "Z", "T", "C", "C_double"}, {"M", "SM", "Y", "X", "S", "T", "C"},
         {"M", "SM", "Y", "X", "S", "T", "C"}, {"M", "SM"}, 1, 247, 9999, 9999, 15, 2},
        {23, {"D"}, {"M", "Y", "S"}, {"X", "M", "Y", "S"}, {"M"}, 0, 255, 9999, 9999, 0, 2},
        {25, {"3x", "4x", "5x", "6x"}, {"0x", "4x"}, {"0x", "1x", "3x", "4x"}, {"0x", "4x"}, 1, 247, 0xFFFF, 0xFFFF,
         15, 2},
        {28, {"D", "Z", "V"}, {"M", "S"}, {"X", "Y", "M", "S", "T", "C"}, {"M", "S"}, 1, 247, 0xFFFF, 0xFFFF, 15, 2},
        {30, {"AIW", "AQW", "VW"}, {"M", "Q", "I"}, {"M", "Q", "I"}, {"M", "Q", "I"}, 1, 255, 4094, 31, 7, 2},
        {31, {"RC", "KV", "AI", "UI", "AU", "DI", "DU"}, {"RC", "AI", "UI", "AU", "DI", "DU"},
         {"RC", "AI", "UI", "AU", "DI", "DU"}, {"RC", "AI", "UI", "AU", "DI", "DU"}, 1, 255, 255, 255, 0, 2},
        {33, {"R"}, {"M"}, {"M"}, {"M"}, 0, 255, 0xFFFF, 9999, 15, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.protocol);
        const CProtocolTables t = build(r.protocol);
        EXPECT_EQ(t.wordList, r.word);
        EXPECT_EQ(t.bitList, r.bit);
        EXPECT_EQ(t.thirdList, r.third);
        EXPECT_EQ(t.alarmBitList, r.alarm);
        EXPECT_EQ(t.stationMin, r.stationMin);
        EXPECT_EQ(t.stationMax, r.stationMax);
        EXPECT_EQ(t.registerMax, r.registerMax);
        EXPECT_EQ(t.coilMax, r.coilMax);
        EXPECT_EQ(t.bitMax, r.bitMax);
        EXPECT_EQ(t.wordCountMax, r.words);
        EXPECT_EQ(t.formatList, (Names{"Unsigned", "HEX", "Signed"}));
    }
}

TEST(ProtocolTables, UnknownNumberKeepsStationAndAddressLimits)
{
    const CProtocolTables before = build(2);
    const CProtocolTables t = CProtocolTables::Build(99, before, 1);
    EXPECT_TRUE(t.wordList.empty());
    EXPECT_TRUE(t.alarmBitList.empty());
    EXPECT_EQ(t.stationMin, 2);
    EXPECT_EQ(t.stationMax, 126);
    EXPECT_EQ(t.registerMax, 9999);
    EXPECT_EQ(t.bitMax, 0);
    EXPECT_EQ(t.wordCountMax, 2);
    EXPECT_EQ(t.registerTypeName(0, kWordList), "");
    EXPECT_EQ(t.typeValue(3, kWordList), 0x00);
}

TEST(ProtocolTables, StationOfProtocol21IsThePlcStation)
{
    const CProtocolTables t = build(21, 7);
    EXPECT_EQ(t.stationMin, 7);
    EXPECT_EQ(t.stationMax, 7);
}

TEST(ProtocolTables, FurtherValuesAndShowFlags)
{
    const CProtocolTables p1 = build(1), p2 = build(2), p3 = build(3), p7 = build(7), p31 = build(31), p5 = build(5);
    EXPECT_TRUE(p1.hexEntry);
    EXPECT_FALSE(p3.hexEntry);
    EXPECT_TRUE(p7.octal);
    EXPECT_EQ(p2.baudOffset, 3);
    EXPECT_EQ(p3.baudOffset, 0);
    for (unsigned p : {2u, 29u, 30u, 32u, 33u})
        EXPECT_EQ(build(p).registerStep, 2) << p;
    EXPECT_EQ(p3.registerStep, 1);

    // bitNumber, subAddress, wordCount, parameter, offset, coilActions, status, control block
    auto flags = [](const CShowFlags& s) {
        return std::vector<int>{s.bitNumber, s.subAddress, s.wordCount, s.parameter, s.offset, s.coilActions,
                                s.statusFlagsEnabled, s.controlBlockEnabled};
    };
    EXPECT_EQ(flags(p1.show), (std::vector<int>{5, 5, 0, 5, 5, 0, 0, 0}));
    EXPECT_EQ(flags(p2.show), (std::vector<int>{5, 0, 5, 0, 0, 5, 1, 0}));
    EXPECT_EQ(flags(p3.show), (std::vector<int>{0, 0, 5, 0, 0, 5, 1, 1}));
    EXPECT_EQ(flags(p31.show), (std::vector<int>{0, 0, 0, 0, 0, 5, 1, 1}));
    EXPECT_EQ(flags(p5.show), (std::vector<int>{5, 0, 5, 0, 0, 5, 1, 1}));
}

TEST(ProtocolTables, IndexPastTheEndTakesTheLastName)
{
    const CProtocolTables t = build(15);
    EXPECT_EQ(t.registerTypeName(7, kWordList), "N15");
    EXPECT_EQ(t.registerTypeName(200, kBitList), "B13");
    EXPECT_EQ(t.registerTypeName(1, 0), "B9"); // any other kind: the third list
}

TEST(TypeValue, MappingWithItsProtocolExceptions)
{
    struct Case {
        const char* name;
        unsigned protocol;
        int kind;
        int expected;
    };
    const Case cases[] = {
        {"0x", 3, 2, 0x00},  {"Y", 28, 2, 0x20},  {"Y", 20, 2, 0x00},  {"M", 20, 2, 0x20},  {"M", 23, 3, 0x20},
        {"M", 26, 2, 0x40},  {"M", 28, 2, 0x30},  {"M", 32, 2, 0x10},  {"M", 2, 2, 0x00},   {"R", 6, 2, 0x00},
        {"R", 17, 1, 0x04},  {"R", 24, 2, 0x10},  {"R", 26, 2, 0x20},  {"R", 7, 1, 0x02},   {"1x", 3, 3, 0x80},
        {"3x", 3, 1, 0x82},  {"4x", 3, 1, 0x02},  {"5x", 19, 1, 0x42}, {"6x", 19, 1, 0x22}, {"B", 1, 1, 0x01},
        {"VB", 2, 1, 0x01},  {"W", 27, 1, 0xA2},  {"W", 27, 2, 0x30},  {"VW", 29, 1, 0xC2}, {"VW", 2, 1, 0x02},
        {"DM", 24, 1, 0xB2}, {"DM", 5, 1, 0x02},  {"VD", 2, 1, 0x04},  {"D", 1, 1, 0x04},   {"D", 4, 1, 0x02},
        {"D", 10, 1, 0x12},  {"D", 20, 1, 0x82},  {"D", 27, 1, 0x82},  {"D", 27, 2, 0x10},  {"D", 28, 1, 0x22},
        {"SD", 20, 1, 0x92}, {"Z", 20, 1, 0xA2},  {"T", 27, 1, 0xD2},  {"T", 27, 2, 0x60},  {"T", 20, 1, 0x02},
        {"T", 20, 2, 0x50},  {"C", 27, 1, 0xE2},  {"C", 27, 3, 0x70},  {"C", 20, 1, 0xC2},  {"C", 20, 2, 0x60},
        {"C_double", 20, 1, 0xD2}, {"CTH", 1, 1, 0x32}, {"CTC", 1, 1, 0x42}, {"X", 20, 2, 0x10},
        {"SM", 20, 2, 0x30}, {"S", 20, 2, 0x40},  {"MW", 14, 1, 0x02}, {"MW", 14, 0, 0x00}, {"MW", 8, 1, 0x02},
        {"MW", 22, 1, 0x02}, {"MW", 5, 1, 0x00},  {"DT", 6, 1, 0x02},  {"DT", 5, 1, 0x00},  {"TM", 24, 1, 0xC2},
        {"H", 27, 1, 0x92},  {"H", 27, 2, 0x20},  {"H", 1, 1, 0x00},   {"CIO", 27, 1, 0xB2}, {"CIO", 27, 2, 0x40},
        {"A", 27, 1, 0xC2},  {"A", 27, 2, 0x50},  {"WM", 26, 1, 0xC2}, {"WR", 26, 1, 0xA2}, {"WR", 1, 1, 0x00},
        {"Q", 29, 2, 0x20},  {"I", 30, 2, 0x80},  {"AIW", 29, 1, 0xA2}, {"AQW", 30, 1, 0xB2}, {"AQW", 2, 1, 0x00},
        {"V", 28, 1, 0xB2},  {"B3", 15, 2, 0x30}, {"B13", 15, 2, 0xD0}, {"N7", 15, 1, 0x42}, {"N15", 15, 1, 0xF2},
        {"IR", 5, 2, 0x00},  {"F", 17, 2, 0x00},  {"MX", 22, 2, 0x00}, {"nonsense", 3, 1, 0x00},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typeValueOf(c.name, c.protocol, c.kind), c.expected) << c.name << " under " << c.protocol;
}

TEST(TypeValue, OperandLengthFollowsTheUnitSize)
{
    EXPECT_EQ(build(1).typeValue(2, kWordList) & 0x0F, 4); // "D": 4-byte unit
    EXPECT_EQ(build(4).typeValue(0, kWordList) & 0x0F, 2);
}

TEST(CommDefaults, StartUpAndDialogSets)
{
    struct Case {
        unsigned protocol;
        bool dialog;
        int baud, data, stop, parity, iface, delay, plcStation;
    };
    // Indexes: baud into the protocol's list, data 7/8 → 0/1, stop 1/2 → 0/1, parity NONE/ODD/EVEN, 232/485.
    // Start values: baud 0, data 0, stop 0, parity 0, interface 1 (485), delay 7, PLC station 9.
    const Case cases[] = {
        {2, false, 0, 1, 0, 2, 1, 10000, 9},  {3, false, 4, 1, 0, 2, 0, 500, 9}, {34, true, 4, 1, 0, 2, 0, 500, 9},
        {5, false, 3, 0, 1, 2, 0, 7, 9},      {7, true, 3, 1, 0, 1, 0, 7, 9},    {14, false, 4, 1, 0, 0, 0, 7, 1},
        {15, true, 4, 1, 0, 0, 1, 7, 9},      {15, false, 4, 1, 0, 0, 0, 7, 9},  {18, false, 5, 1, 0, 0, 0, 7, 9},
        {20, false, 4, 0, 0, 2, 0, 7, 9},     {20, true, 4, 1, 0, 2, 0, 7, 9},   {21, true, 4, 1, 0, 2, 0, 7, 1},
        {28, false, 4, 1, 1, 0, 1, 7, 9},     {28, true, 4, 1, 1, 0, 0, 7, 9},   {29, false, 3, 1, 0, 0, 1, 7, 9},
        {29, true, 4, 1, 0, 0, 0, 7, 9},      {33, false, 4, 1, 0, 1, 1, 7, 9},  {99, false, 3, 1, 1, 0, 0, 7, 9},
        {99, true, 3, 0, 0, 0, 0, 7, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.protocol << (c.dialog ? " dialog" : " start-up"));
        CCommSettings comm;
        comm.baud = comm.dataBits = comm.stopBits = comm.parity = 0;
        comm.interface = 1;
        comm.delay = 7;
        comm.plcStation = 9;
        CPanelSettings panel;
        if (c.dialog)
            applyDialogDefaults(c.protocol, comm);
        else
            applyStartupDefaults(c.protocol, comm, panel);
        EXPECT_EQ(comm.baud, c.baud);
        EXPECT_EQ(comm.dataBits, c.data);
        EXPECT_EQ(comm.stopBits, c.stop);
        EXPECT_EQ(comm.parity, c.parity);
        EXPECT_EQ(comm.interface, c.iface);
        EXPECT_EQ(comm.delay, c.delay);
        EXPECT_EQ(comm.plcStation, c.plcStation);
        EXPECT_EQ(panel.controlStation, c.protocol == 2 && !c.dialog ? 2 : 1);
    }
}

TEST(CommDefaults, BaudListsByProtocol)
{
    EXPECT_EQ(baudList(2), (Names{"9600", "19200"}));
    EXPECT_EQ(baudList(5).size(), 5u);
    EXPECT_EQ(baudList(7).back(), "19200");
    EXPECT_EQ(baudList(3).back(), "115200");
}

// The property page's locks: which register types force the word count or disable "Set".
TEST(ProtocolDescriptor, TypeLocksOfTheWordRegisterTypes)
{
    struct Case {
        unsigned protocol;
        const char* type;
        bool locked;
        int wordCount;
        bool setLocked;
    };
    const Case cases[] = {
        {20, "D", false, 0, false}, {20, "SD", false, 0, false}, {20, "Z", true, 1, false},
        {20, "C", true, 1, false},  {23, "T", true, 1, false},   {20, "C_double", true, 2, false},
        {29, "AIW", true, 1, true}, {30, "AQW", true, 1, false}, {30, "VW", false, 0, false},
        {1, "3x", true, 0, true},   {1, "D", false, 0, false},   {3, "4x", false, 0, false},
        {99, "D", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " under " << c.protocol);
        const auto lock = protocolDescriptor(c.protocol).typeLock(c.type);
        ASSERT_EQ(lock.has_value(), c.locked);
        if (lock) {
            EXPECT_EQ(lock->wordCount, c.wordCount);
            EXPECT_EQ(lock->setLocked, c.setLocked);
        }
    }
}

// The rules of the pages and dialogs apply under exactly the protocols their lists name.
TEST(ProtocolDescriptor, PageAndDialogRulesByProtocol)
{
    using Rule = bool (*)(const CProtocolDescriptor&);
    struct Case {
        const char* rule;
        Rule applies;
        std::set<unsigned> protocols;
    };
    const Case cases[] = {
        {"operand and alarm addresses from 1",
         [](auto& d) { return d.addressesFromOne; },
         {3, 16, 19, 21, 25, 31, 33, 34}},
        {"control addresses from 1",
         [](auto& d) { return d.controlAddressFromOne; },
         {3, 16, 19, 20, 21, 23, 24, 25, 34}},
        {"control area not chosen",
         [](auto& d) { return d.controlAreaFixed; },
         {3, 8, 11, 12, 16, 18, 20, 21, 22, 23, 24, 34}},
        {"control station not chosen", [](auto& d) { return d.controlStationFixed; }, {15}},
        {"file addresses", [](auto& d) { return d.fileAddresses; }, {15}},
        {"no alarm list", [](auto& d) { return !d.alarmListOffered; }, {31}},
        {"alarm sub-address names a bit",
         [](auto& d) { return d.alarmBitInWord; },
         {1, 2, 5, 6, 7, 14, 15, 19, 21, 25, 27, 29, 30, 32}},
        {"alarm sub-address hidden", [](auto& d) { return d.alarmSubAddressHidden; }, {20, 23, 24}},
        {"alarm sub-address for 4x only",
         [](auto& d) { return std::string(d.alarmWordBitType) == "4x"; },
         {19, 25}},
        {"X and Y octal",
         [](auto& d) {
             return d.octalTypes == Names{"X", "Y"} && d.octalAddress("X") && !d.octalAddress("D") &&
                    !d.octalAddress("");
         },
         {20}},
        {"octal addresses", [](auto& d) { return d.octalAddress("") && d.octalAddress("X"); }, {7}},
        {"3x cannot be set",
         [](auto& d) { return d.typeLock("3x") && d.typeLock("3x")->setLocked; },
         {1, 3, 16, 19, 25, 34}},
        {"6x has no value range",
         [](auto& d) { return d.typeLock("6x") && d.typeLock("6x")->noValueRange; },
         {19, 25}},
        {"AQW one word on the register page only",
         [](auto& d) { return d.typeLock("AQW") && d.typeLock("AQW")->registerPageOnly; },
         {29, 30}},
        {"function keys jump", [](auto& d) { return d.functionKeyJumps; }, {1}},
    };
    for (const Case& c : cases)
        for (unsigned p = 0; p <= kProtocolCount + 1; ++p)
            EXPECT_EQ(c.applies(protocolDescriptor(p)), c.protocols.count(p) == 1)
                << c.rule << " under " << p;
}

// The tables work the type values out once: every index of every list (and past its end) gives what the
// rules give for the name shown there, also for lists changed after the tables were built.
TEST(TypeValue, TablesGiveTheRulesValueForEveryListedName)
{
    for (unsigned p = 1; p <= kProtocolCount; ++p) {
        CProtocolTables t = build(p);
        for (int kind : {kWordList, kBitList, kThirdList})
            for (unsigned i = 0; i <= t.list(kind).size(); ++i)
                EXPECT_EQ(t.typeValue(i, kind), typeValueOf(t.registerTypeName(i, kind), p, kind))
                    << "protocol " << p << ", kind " << kind << ", index " << i;
    }
    CProtocolTables changed = build(20);
    changed.wordList.push_back("SD");
    EXPECT_EQ(changed.typeValue(6, kWordList), 0x92);
}
