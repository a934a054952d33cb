#include "import/OldProjectConverter.h"

#include <gtest/gtest.h>

#include <functional>

#include "import/OldComponentCases.h"

namespace zl::test {
namespace {

Result<Bytes> convert(const OldProject& p)
{
    return ConvertOldProject(p.bytes());
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t n)
{
    return from + n <= b.size() ? Bytes(b.begin() + from, b.begin() + from + n) : Bytes();
}

TEST(OldProjectConverter, HeaderIsReadBackAsFormatVersionOne)
{
    // Offsets 0 … 29 of the converted file: what a version-1 reader takes before the reserved block.
    // clang-format off
    auto settings = [](std::uint8_t protocol, std::uint8_t ctrlStation, std::uint16_t ctrlAddress,
                       std::uint8_t ctrlType, std::uint8_t baud, std::uint8_t step) {
        // Stop bits 0 has bit 7 clear: parity, station, step and action follow it, and no interface.
        return Expect().u8(0x08).raw("Zentu").u8(1).u8(1).u16(0).u8(protocol).u16(1234).u16(3).u8(ctrlStation)
            .u16(ctrlAddress).u8(ctrlType).u16(9).u8(6).u8(5).u8(baud)
            .u8(1).u8(0).u8(2).u8(7).u8(step).u8(1).v;
    };
    // clang-format on
    const struct {
        std::uint8_t oldCode;
        std::uint8_t oldBaud;
        Bytes expected;
    } cases[] = {
        {3, 4, settings(5, 4, 300, 0, 2, 1)},
        {5, 4, settings(4, 4, 300, 0, 2, 1)},
        // Protocol 2: station 2, register type 1, addresses in bits, its own baud list, step 2.
        {2, 6, settings(2, 2, 300 / 8, 1, 1, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("old protocol code " + std::to_string(c.oldCode));
        OldProject p = sampleOldProject();
        put8(p.header, 13, c.oldCode);
        put8(p.header, 45, c.oldBaud);
        const auto out = convert(p);
        ASSERT_TRUE(out.ok()) << out.error().describe();
        EXPECT_EQ(slice(*out, 0, 30), c.expected);
        EXPECT_EQ(slice(*out, 30, 100), Expect().zeros(98).u16(2).v) << "reserved block and window count";
    }
}

TEST(OldProjectConverter, AlarmListAndTrailerEndTheFile)
{
    const auto out = convert(sampleOldProject());
    ASSERT_TRUE(out.ok()) << out.error().describe();
    // clang-format off
    const Bytes expected = Expect().u8(9).u16(0x12).u8(3).u8(0).u8(0).zeros(100)
                               .u16(3).text("Overheat").text("").text("Pump")
                               .zeros(111).v;
    // clang-format on
    ASSERT_GE(out->size(), expected.size());
    EXPECT_EQ(Bytes(out->end() - expected.size(), out->end()), expected);
}

TEST(OldProjectConverter, WindowCountsTheComponentsItWrites)
{
    // Only the low byte of the old count field counts components; the high byte must not leak into the
    // count the reader expects.
    OldProject p;
    p.windows.push_back({1, "Main", 2, 3, {oldStaticText("A")}});
    Bytes old = p.bytes();
    put8(old, 80 + 54, 0x01);
    const auto out = ConvertOldProject(old);
    ASSERT_TRUE(out.ok()) << out.error().describe();
    const Bytes window = Expect().announce("CMainView").u16(1).text("Main").u16(2).u16(3).zeros(20).u16(1).v;
    EXPECT_EQ(slice(*out, 130, window.size()), window);
}

TEST(OldProjectConverter, DamagedFilesAreRefusedWithTheRecordNamed)
{
    const struct {
        const char* name;
        std::function<void(OldProject&)> damageProject;
        std::function<void(Bytes&)> damageBytes;
        std::string text;
    } cases[] = {
        {"empty file", nullptr, [](Bytes& b) { b.clear(); }, kOldFileTypeError},
        {"short signature", nullptr, [](Bytes& b) { b.resize(3); }, kOldFileTypeError},
        {"kind byte", nullptr, [](Bytes& b) { b[0] = 4; }, kOldFileTypeError},
        {"signature", nullptr, [](Bytes& b) { b[3] = 'Y'; }, kOldFileTypeError},
        {"short header", nullptr, [](Bytes& b) { b.resize(79); }, "the file ends inside the project header"},
        {"window count", [](OldProject& p) { p.alarms.clear(); }, [](Bytes& b) { put16(b, 76, 3); },
         "the file ends inside window record 3"},
        {"alarm count", nullptr, [](Bytes& b) { put8(b, 29, 4); }, "the file ends inside alarm record 4"},
        {"unknown type", [](OldProject& p) { p.windows[1].components.push_back(oldComponent(9, 40)); },
         nullptr, "component 2 of window record 2 has the unknown type 9"},
        {"type 0", [](OldProject& p) { p.windows[1].components.push_back(oldComponent(0, 40)); }, nullptr,
         "component 2 of window record 2 has the unknown type 0"},
        {"text past its record", [](OldProject& p) { put8(p.windows[1].components[0], 14, 25); }, nullptr,
         "a field of component 1 of window record 2 runs past the end of its record"},
        {"description past the window head", [](OldProject& p) { p.windows[1].description.assign(53, 'x'); },
         nullptr, "a field of window record 2 runs past the end of its record"},
        {"huge picture", [](OldProject& p) { put32(p.windows[0].components[6], 22, 0xFFFFFFFF); }, nullptr,
         "the file ends inside component 7 of window record 1"},
        {"picture without bitmap",
         [](OldProject& p) {
             p.windows[1].components.push_back(oldComponent(7, 40 + 20));
             put32(p.windows[1].components.back(), 22, 20 + 14);
         },
         nullptr, "the picture of component 2 of window record 2 does not hold a complete bitmap"},
        {"picture wider than the panel",
         [](OldProject& p) { put32(p.windows[0].components[6], 40 + 4, 193); }, nullptr,
         "the picture of component 7 of window record 1 is larger than the panel"},
        {"picture rows beyond its data", [](OldProject& p) { put32(p.windows[0].components[6], 40 + 8, 13); },
         nullptr, "the picture of component 7 of window record 1 does not hold a complete bitmap"},
        {"picture size disagreeing with its header",
         [](OldProject& p) { put32(p.windows[0].components[6], 40 + 20, 47); }, nullptr,
         "the picture of component 7 of window record 1 does not hold a complete bitmap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OldProject p = sampleOldProject();
        if (c.damageProject)
            c.damageProject(p);
        Bytes old = p.bytes();
        if (c.damageBytes)
            c.damageBytes(old);
        const auto out = ConvertOldProject(old);
        ASSERT_FALSE(out.ok());
        EXPECT_EQ(out.error().text, c.text);
        EXPECT_EQ(out.error().caption, kImportCaption);
        EXPECT_LE(out.error().offset.value_or(old.size() + 1), old.size());
    }
}

TEST(OldProjectConverter, EveryTruncationIsRefused)
{
    const Bytes old = sampleOldProject().bytes();
    ASSERT_TRUE(ConvertOldProject(old).ok());
    for (std::size_t n = 0; n < old.size(); ++n) {
        const auto out = ConvertOldProject(Bytes(old.begin(), old.begin() + n));
        ASSERT_FALSE(out.ok()) << "prefix of " << n << " bytes";
        ASSERT_FALSE(out.error().text.empty());
    }
}

} // namespace
} // namespace zl::test
