#include <gtest/gtest.h>

#include "plc/CVariableDictionary.h"

using namespace zl;
namespace dict = zl::CVariableDictionary;

TEST(VariableDictionary, NumbersAndTypeValues)
{
    struct Case {
        unsigned group, position;
        int kind;
        const char* name;
        int number, type;
    };
    const Case cases[] = {
        {0, 18, kReadWords, "PBand1", 57, 0x64},    // RC
        {1, 1, kReadWords, "Unit", 76, 0x32},       // KV for words
        {1, 1, kReadBits, "SensorError", 35, 0x10}, // AI for bits
        {0, 10, kWriteBits, "MinMaxReset", 99, 0x10},
        {3, 0, kReadBits, "MinMaxReset", 99, 0x10},
        {0, 24, kReadWords, "Value", 69, 0x64},
        {4, 2, kReadBits, "Value", 69, 0x10}, // DI: a bit
        {5, 4, kReadBits, "Value", 69, 0x10}, // DU: a bit
        {5, 1, kWriteWords, "AlarmInterlock", 18, 0xC2},
        {6, 2, kWriteWords, "Op3", 33, 0x32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dict::variables(c.group, c.kind).at(c.position), c.name);
        EXPECT_EQ(dict::variableNumber(c.group, c.position, c.kind), c.number);
        EXPECT_EQ(dict::typeValue(c.group, c.position, c.kind), c.type);
    }
}

TEST(VariableDictionary, ListSizes)
{
    EXPECT_EQ(dict::groups(kReadWords).size(), 7u);
    EXPECT_EQ(dict::groups(kWriteBits).size(), 6u);
    const std::size_t readWords[] = {27, 20, 17, 19, 17, 6, 4};
    const std::size_t writeWords[] = {22, 19, 12, 13, 7, 6, 4};
    const std::size_t writeBits[] = {11, 2, 3, 1, 3, 4};
    const std::size_t readBits[] = {13, 3, 5, 2, 6, 6};
    for (unsigned g = 0; g < 7; ++g) {
        EXPECT_EQ(dict::variables(g, kReadWords).size(), readWords[g]);
        EXPECT_EQ(dict::variables(g, kWriteWords).size(), writeWords[g]);
    }
    for (unsigned g = 0; g < 6; ++g) {
        EXPECT_EQ(dict::variables(g, kWriteBits).size(), writeBits[g]);
        EXPECT_EQ(dict::variables(g, kReadBits).size(), readBits[g]);
    }
}

TEST(VariableDictionary, EveryListedVariableIsDefined)
{
    for (int kind = 1; kind <= 4; ++kind) {
        for (unsigned g = 0; g < dict::groups(kind).size(); ++g) {
            for (unsigned v = 0; v < dict::variables(g, kind).size(); ++v)
                EXPECT_NE(dict::variableNumber(g, v, kind), 0) << kind << " " << g << " " << v;
        }
    }
}

TEST(VariableDictionary, OutOfRangeGivesZero)
{
    EXPECT_EQ(dict::variableNumber(7, 0, kReadWords), 0);
    EXPECT_EQ(dict::typeValue(0, 99, kReadWords), 0);
    EXPECT_EQ(dict::variableNumber(0, 0, 9), 0);
    EXPECT_TRUE(dict::variables(6, kReadBits).empty());
}

TEST(VariableDictionary, GroupCodes)
{
    EXPECT_EQ(dict::groupCode("RC"), 1);
    EXPECT_EQ(dict::groupCode("KV"), 2);
    EXPECT_EQ(dict::groupCode("DU"), 7);
    EXPECT_EQ(dict::groupCode("XX"), 0);
}
