#include <gtest/gtest.h>

#include "import/OldComponentCases.h"
#include "import/OldProjectConverter.h"

namespace zl::test {
namespace {

// The header (128 bytes) and the window count come first; the alarm list of an old file without alarms
// (108 bytes) and the 111-byte trailer come last.
constexpr std::size_t kWindowsStart = 130;
constexpr std::size_t kEmptyAlarmsAndTrailer = 108 + 111;

Bytes convert(const OldProject& project)
{
    auto result = ConvertOldProject(project.bytes());
    if (!result.ok()) {
        ADD_FAILURE() << result.error().describe();
        return {};
    }
    return result.value();
}

Bytes windowsPart(const Bytes& out)
{
    if (out.size() < kWindowsStart + kEmptyAlarmsAndTrailer)
        return out;
    return Bytes(out.begin() + kWindowsStart, out.end() - kEmptyAlarmsAndTrailer);
}

Expect windowHead(std::uint16_t number, std::size_t components, bool first)
{
    Expect e;
    if (first)
        e.announce("CMainView");
    else
        e.u16(0x8001);
    e.u16(number).text("").u16(0).u16(0).zeros(20).u16(components);
    return e;
}

TEST(OldComponents, EveryTypeIsWrittenInItsClassLayout)
{
    for (const ComponentCase& c : componentCases()) {
        SCOPED_TRACE(c.className);
        OldProject project;
        put8(project.header, 13, kOldCodeOfProtocol5);
        project.windows.push_back({1, "", 0, 0, {c.old}});
        // Canvas (100, 50) is panel (44, 22).
        const Bytes expected =
            windowHead(1, 1, true).announce(c.className).u8(c.typeCode).i32(44).i32(22).add(c.fields).v;
        EXPECT_EQ(windowsPart(convert(project)), expected);
    }
}

TEST(OldComponents, WindowsGroupComponentsByClassAndAnnounceEachClassOnce)
{
    const auto cases = componentCases();
    const ComponentCase& reg = cases[1];
    const ComponentCase& bar = cases[4];
    OldProject project;
    put8(project.header, 13, kOldCodeOfProtocol5);
    project.windows.push_back({1, "", 0, 0, {oldStaticText("A"), bar.old, oldStaticText("B"), reg.old}});
    project.windows.push_back({2, "", 0, 0, {oldStaticText("C")}});

    // Indices: CMainView 1, window 2, CChars 3, "A" 4, "B" 5, CRegister 6, its object 7, CBar 8, its
    // object 9, window 10, "C" 11.
    Expect e = windowHead(1, 4, true);
    e.announce("CChars").u8(1).i32(44).i32(22).add(staticTextFields("A"));
    e.u16(0x8003).u8(1).i32(44).i32(22).add(staticTextFields("B"));
    e.announce("CRegister").u8(2).i32(44).i32(22).add(reg.fields);
    e.announce("CBar").u8(6).i32(44).i32(22).add(bar.fields);
    e.add(windowHead(2, 1, false).v);
    e.u16(0x8003).u8(1).i32(44).i32(22).add(staticTextFields("C"));
    EXPECT_EQ(windowsPart(convert(project)), e.v);
}

TEST(OldComponents, UpperLimitsAreRaisedAboveTheLowerOnesAsTheValueIsSigned)
{
    const struct {
        std::uint32_t max, min;
        bool isSigned;
        std::int32_t written;
    } cases[] = {
        {0xFFFFFFFF, 0, false, -1},                // 2^32 − 1 unsigned stays
        {0xFFFFFFFF, 0, true, 1},                  // −1 below 0
        {5, 5, false, 6},                          // equal
        {100, 0xFFFFFF9C, true, 100},              // −100 … 100
        {100, 0xFFFFFF9C, false, -99},             // 4294967196 … 100
        {0x7FFFFFFF, 0x7FFFFFFF, true, INT32_MIN}, // wraps like the panel's 32-bit value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.max) + " over " + std::to_string(c.min) +
                     (c.isSigned ? " signed" : ""));
        Bytes reg = oldComponent(2, 51);
        put32(reg, 43, c.max);
        put32(reg, 47, c.min);
        put8(reg, 39, c.isSigned ? 0 : 1);
        OldProject project;
        project.windows.push_back({1, "", 0, 0, {reg}});
        const Bytes out = windowsPart(convert(project));
        // The maximum follows the common part and 11 bytes of fields.
        const std::size_t at =
            windowHead(1, 1, true).v.size() + Expect().announce("CRegister").v.size() + 9 + 11;
        ASSERT_GE(out.size(), at + 4);
        EXPECT_EQ(Bytes(out.begin() + at, out.begin() + at + 4), Expect().i32(c.written).v);
    }
}

} // namespace
} // namespace zl::test
