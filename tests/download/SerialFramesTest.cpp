#include <gtest/gtest.h>

#include "download/CTransferKey.h"
#include "download/SerialFrames.h"

using namespace zl;

TEST(SerialFrames, LayoutAndChecksum)
{
    EXPECT_EQ(makeFrame(command::kQuery), (Bytes{0x55, 0xAA, 0x05, 0x01, 0x05}));
    EXPECT_EQ(makeFrame(command::kAcknowledge), (Bytes{0x55, 0xAA, 0x05, 0x05, 0x09}));
    EXPECT_EQ(handshakeFrame(), (Bytes{0x55, 0xAA, 0x0A, 0x88, 'Z', 'e', 'n', 't', 'u', 0xA7}));
    EXPECT_EQ(informationFrame({2, 3, 7}), (Bytes{0x55, 0xAA, 0x0A, 0x82, 2, 3, 7, 0, 0, 0x97}));

    CTransferKey key;
    const Bytes kf = keyFrame(key);
    EXPECT_EQ(kf.size(), 21u);
    EXPECT_EQ(kf[2], 21);
    EXPECT_EQ(kf[3], command::kKey);
    const Bytes erase(128, 0xFF);
    EXPECT_EQ(writeFrame(key, kImageAddress, erase.data(), erase.size()).size(), 135u);
    const std::uint8_t mark[2] = {0x5A, 0xA5};
    EXPECT_EQ(writeFrame(key, kImageAddress, mark, 2).size(), 9u);
}

TEST(SerialFrames, ClassifierVerdicts)
{
    const Bytes ack = makeFrame(command::kAcknowledge);
    const Bytes info = informationFrame({1, 3, 2});
    struct Case {
        const char* what;
        Bytes received;
        Verdict verdict;
    };
    Bytes badSumAck = ack, badSumInfo = info, shortLength = ack;
    badSumAck[4] ^= 1;
    badSumInfo[9] ^= 1;
    shortLength[2] = 1;
    const std::vector<Case> cases = {
        {"nothing", {}, Verdict::None},
        {"wrong sync", {0x55, 0xAB, 0x05, 0x05, 0x09}, Verdict::None},
        {"three bytes of an acknowledge", {ack.begin(), ack.begin() + 3}, Verdict::None},
        {"acknowledge", ack, Verdict::Good},
        {"negative acknowledge", makeFrame(command::kNegative), Verdict::Bad},
        {"negative acknowledge with a wrong sum", {0x55, 0xAA, 0x05, 0x04, 0x00}, Verdict::Bad},
        {"acknowledge with a wrong sum", badSumAck, Verdict::Bad},
        {"other command, good sum", makeFrame(0x07), Verdict::None},
        {"length too short for a frame", shortLength, Verdict::Bad},
        {"first five bytes of an information frame", {info.begin(), info.begin() + 5}, Verdict::None},
        {"information frame", info, Verdict::Good},
        {"information frame with a wrong sum", badSumInfo, Verdict::None},
        {"ten bytes of another command", makeFrame(0x07, {1, 2, 3, 4, 5}), Verdict::Bad},
        {"seven bytes", makeFrame(0x07, {1, 2}), Verdict::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyAnswer(c.received), c.verdict) << c.what;
}

TEST(SerialFrames, InformationIsReadOnlyFromExactlyOneFrame)
{
    const auto info = readInformation(informationFrame({4, 9, 21}));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->model, 4);
    EXPECT_EQ(info->protocol, 9);
    EXPECT_EQ(info->driverVersion, 21);
    EXPECT_FALSE(readInformation(makeFrame(command::kAcknowledge)));
    Bytes twice = informationFrame({});
    twice.push_back(0x55);
    EXPECT_FALSE(readInformation(twice));
}

TEST(TransferKey, DerivedValuesAndEncoding)
{
    // 138 × 1 + 256 × 230 − 0 + 6519 = 65537: D = 1.
    CTransferKey key;
    key.r[6] = 138;
    key.r[4] = 1;
    key.r[3] = 230;
    ASSERT_EQ(key.addressOffset(), 1);
    EXPECT_EQ(key.scrambleAddress(0x8000), 0xFFFB);
    EXPECT_EQ(key.unscrambleAddress(0xFFFB), 0x8000);

    key.r[8] = static_cast<std::uint8_t>(256 - 40); // K = (0 | 0) - 0 + 216 + 41 = 257 → 1
    ASSERT_EQ(key.dataKey(), 1);
    EXPECT_EQ(key.scrambleData(0x00, 6), 0xF9);
    EXPECT_EQ(key.unscrambleData(0xF9, 6), 0x00);
}

TEST(TransferKey, DrawRepeatsUntilBothValuesAreNonzero)
{
    // The first 16 bytes give K = 0 (all zero except R8 = 215), the next 16 are usable.
    std::vector<std::uint8_t> source(16, 0);
    source[8] = 215;
    for (int i = 0; i < 16; ++i)
        source.push_back(static_cast<std::uint8_t>(i + 1));
    std::size_t next = 0;
    const CTransferKey key = CTransferKey::draw([&] { return source[next++]; });
    EXPECT_EQ(next, 32u);
    EXPECT_NE(key.addressOffset(), 0);
    EXPECT_NE(key.dataKey(), 0);

    // Every address and data byte survives the round trip under a random key.
    const CTransferKey random = CTransferKey::drawRandom();
    for (unsigned a = 0; a < 0x10000; a += 7)
        ASSERT_EQ(random.unscrambleAddress(random.scrambleAddress(static_cast<std::uint16_t>(a))), a);
    for (unsigned b = 0; b < 256; ++b)
        ASSERT_EQ(random.unscrambleData(random.scrambleData(static_cast<std::uint8_t>(b), 100), 100), b);
}
