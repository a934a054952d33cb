#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"
#include "operands/OperandTesting.h"
#include "operands/COperandReplace.h"

namespace zl
{
namespace
{

constexpr unsigned kProtocol = 20; // D registers up to 9999, M bits

template <class T> T& add(CMainView& w, std::uint8_t type, std::uint16_t address, std::uint8_t words = 1)
{
    return test::addWithOperand<T>(w, kProtocol, type, address, words);
}

// D100 (2 words), D150, D300, the LED's M100 and the alarm list's M100, under the word protocol.
CProject project()
{
    CProject p;
    p.SetProtocol(kProtocol);
    CMainView& w = *p.WindowAt(p.AddWindow(1));
    add<CRegister>(w, 0, 100, 2);
    add<CBar>(w, 0, 150);
    add<CTide>(w, 0, 300);
    add<CLight>(w, 0, 100);
    p.alarms.texts = {"Hot"};
    p.alarms.address = 100;
    return p;
}

CReplacePlan plan(const CProject& p, const std::string& from, const std::string& to)
{
    const auto range = parseOperandRange(p.tables(), from);
    const auto start = parseOperandRange(p.tables(), to);
    EXPECT_TRUE(range && start);
    return planReplace(p, *range, *start);
}

struct CCase {
    const char* from;
    const char* to;
    std::vector<std::string> changes; // "from>to"
    std::vector<std::string> refusals;
};

TEST(OperandReplace, PreviewsEveryChangeAndRefusal)
{
    const std::string reg = "window 1, Register 1 at (0, 0), operand D100: ";
    const std::string bar = "window 1, Bar Graph 2 at (0, 0), operand D150: ";
    const CCase cases[] = {
        {"D100-D199", "D400", {"D100>D400", "D150>D450"}, {}},
        {"D100-199", "D200", {"D100>D200", "D150>D250"}, {}}, // the trend line's D300 is outside
        {"D150", "D300", {}, {bar + "D300 would collide with D300 (window 1, Trend Line 3 at (0, 0), operand)"}},
        {"D100", "D299", {}, {reg + "D299 would collide with D300 (window 1, Trend Line 3 at (0, 0), operand)"}},
        {"D100-D150", "D9999", {}, {reg + "address D9999 is out of range 0…9999", bar + "address D10049 is out of range 0…9999"}},
        // Past the last 16-bit address the message names the address as moved, not wrapped round to D14.
        {"D100-D150", "D65500", {}, {reg + "address D65500 is out of range 0…9999", bar + "address D65550 is out of range 0…9999"}},
        {"D150", "M10", {}, {bar + "type M is not allowed for this field"}},
        {"M100", "M7", {"M100>M7", "M100>M7"}, {}}, // the LED and the alarm list's coil
        {"D600-D700", "D0", {}, {}},
    };
    const CProject p = project();
    for (const CCase& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        const CReplacePlan result = plan(p, c.from, c.to);
        std::vector<std::string> changes;
        for (const COperandChange& change : result.changes)
            changes.push_back(change.from + ">" + change.to);
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(result.refusals, c.refusals);
    }
}

TEST(OperandReplace, AppliesAllOrNothing)
{
    CProject p = project();
    const Bytes before = WriteProject(p);
    EXPECT_FALSE(applyReplace(p, plan(p, "D100-D150", "D9999")));
    EXPECT_EQ(WriteProject(p), before);

    ASSERT_TRUE(applyReplace(p, plan(p, "D100-D199", "D400")));
    const COperandIndex index = indexOperands(p);
    EXPECT_EQ(index.uses[0].text, "D400");
    EXPECT_EQ(index.uses[1].text, "D450");
    EXPECT_EQ(index.uses[2].text, "D300");
}

TEST(OperandReplace, MovesTheControlBlockWhole)
{
    CProject p = project();
    p.panel.statusFlags = 0b011;
    p.panel.controlRegisterAddress = 10; // D10 and D11
    EXPECT_EQ(plan(p, "D11", "D20").refusals,
              std::vector<std::string>{"panel settings, control register D10: the control block's registers move "
                                       "together, and this one is outside D11-D11"});
    ASSERT_TRUE(applyReplace(p, plan(p, "D10-D11", "D20")));
    EXPECT_EQ(p.panel.controlRegisterAddress, 20);
}

TEST(OperandReplace, ReadsRangesInTheProtocolsNotation)
{
    const CProtocolTables t = CProtocolTables::Build(kProtocol, {}, 1);
    const auto range = parseOperandRange(t, "C_double10-C_double12"); // the longest type name wins over "C"
    ASSERT_TRUE(range);
    EXPECT_EQ(range->typeName, "C_double");
    EXPECT_EQ(range->first, 10);
    EXPECT_EQ(range->last, 12);
    for (const char* bad : {"Q10", "D", "D10-D5", "D-3", "D70000", "D1x"})
        EXPECT_FALSE(parseOperandRange(t, bad)) << bad;
    const CProtocolTables hex = CProtocolTables::Build(1, {}, 1);
    const auto hexRange = parseOperandRange(hex, hex.wordList[0] + "1F");
    ASSERT_TRUE(hexRange);
    EXPECT_EQ(hexRange->first, 0x1F);
}

} // namespace
} // namespace zl
