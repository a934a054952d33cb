#include "import/COldProtocolRules.h"

#include <gtest/gtest.h>

namespace zl {
namespace {

TEST(OldProtocolRules, ProtocolCodes)
{
    const struct {
        int oldCode, protocol;
    } cases[] = {{0, 4}, {1, 7},   {2, 2},   {3, 5},   {4, 8},  {5, 4},   {6, 6},   {7, 13},  {8, 10},
                 {9, 4}, {10, 11}, {11, 14}, {12, 11}, {13, 4}, {14, 14}, {15, 15}, {34, 34}, {255, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(ProtocolFromOldCode(static_cast<std::uint8_t>(c.oldCode)), c.protocol)
            << "old code " << c.oldCode;
}

TEST(OldProtocolRules, KeyCodes)
{
    const int newKey[] = {0, 7, 4, 3, 2, 1, 5, 6, 19, 18, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 255};
    for (int old = 0; old < 22; ++old) {
        const int k = old == 21 ? 255 : old;
        EXPECT_EQ(KeyFromOldCode(static_cast<std::uint8_t>(k)), newKey[old]) << "old key " << k;
    }
}

TEST(OldProtocolRules, StatusAndBaud)
{
    EXPECT_EQ(StatusFromOldByte(0x23), 7);
    EXPECT_EQ(StatusFromOldByte(0x20), 4);
    EXPECT_EQ(StatusFromOldByte(0x03), 3);
    EXPECT_EQ(StatusFromOldByte(0x13), 0x13);

    const struct {
        int protocol, oldCode, baud;
    } cases[] = {{2, 5, 0}, {2, 6, 1}, {2, 2, 5}, {2, 8, 5}, {4, 2, 0}, {4, 3, 1}, {4, 4, 2},
                 {4, 5, 3}, {4, 6, 4}, {4, 8, 5}, {4, 7, 7}, {4, 1, 1}, {13, 9, 9}};
    for (const auto& c : cases) {
        EXPECT_EQ(COldProtocolRules(static_cast<std::uint8_t>(c.protocol))
                      .Baud(static_cast<std::uint8_t>(c.oldCode)),
                  c.baud)
            << "protocol " << c.protocol << ", old baud " << c.oldCode;
    }
}

TEST(OldProtocolRules, Operands)
{
    const struct {
        int protocol;
        std::uint32_t address;
        int station, registerType, wordAddress, bitAddress, bitNumber;
    } cases[] = {
        // Protocol 2 talks to station 2, counts its register types from 1 and its addresses in bits.
        {2, 100, 2, 2, 12, 12, 4},
        {2, 0x80007, 2, 2, 0x0000, 0x0000, 7},
        // Protocol 7 keeps octal digits written in decimal (only the lowest five).
        {7, 1234, 9, 3, 01234, 01234, 0},
        {7, 123456, 9, 3, 023456, 023456, 0},
        {7, 99999, 9, 3, 42129, 42129, 0}, // digits 8 and 9 still weigh as powers of 8
        // Protocols numbering bits inside 16-bit words.
        {5, 100, 9, 3, 100, 6, 4},
        {6, 31, 9, 3, 31, 1, 15},
        {11, 16, 9, 3, 16, 1, 0},
        {12, 17, 9, 3, 17, 1, 1},
        {14, 18, 9, 3, 18, 1, 2},
        {18, 19, 9, 3, 19, 1, 3},
        {22, 20, 9, 3, 20, 1, 4},
        // Everything else passes the low 16 bits through.
        {4, 70000, 9, 3, 70000 - 65536, 70000 - 65536, 0},
        {13, 100, 9, 3, 100, 100, 0},
    };
    for (const auto& c : cases) {
        const COldProtocolRules rules(static_cast<std::uint8_t>(c.protocol));
        SCOPED_TRACE("protocol " + std::to_string(c.protocol) + ", address " + std::to_string(c.address));
        EXPECT_EQ(rules.Station(9), c.station);
        EXPECT_EQ(rules.RegisterType(3), c.registerType);
        EXPECT_EQ(rules.WordAddress(c.address), c.wordAddress);
        EXPECT_EQ(rules.BitAddress(c.address), c.bitAddress);
        EXPECT_EQ(rules.BitNumber(c.address), c.bitNumber);
    }
}

} // namespace
} // namespace zl
