#include <gtest/gtest.h>

#include "components/CBarTide.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "model/CProject.h"
#include "operands/OperandTesting.h"
#include "operands/COperandIndex.h"
#include "plc/CVariableDictionary.h"

namespace zl
{
namespace
{

using test::addWithOperand;

// Every kind of component in window 3 under a word protocol (D registers, M bits), the alarm list and two
// control registers.
CProject wordProject()
{
    constexpr unsigned p = 20;
    CProject project;
    project.SetProtocol(p);
    CMainView& w = *project.WindowAt(project.AddWindow(3, "Main"));
    addWithOperand<CRegister>(w, p, 0, 100, 2).set = 1;
    addWithOperand<CDynamic>(w, p, 0, 101);
    addWithOperand<CLight>(w, p, 0, 5);
    addWithOperand<CFunction>(w, p, 0, 7).action = CFunction::kSetCoil;
    addWithOperand<CFunction>(w, p, 0, 200).action = CFunction::kSetRegister;
    addWithOperand<CBar>(w, p, 0, 100, 1);
    addWithOperand<CTide>(w, p, 0, 300);
    addWithOperand<CChars>(w, p, 0, 0);
    addWithOperand<CFunction>(w, p, 0, 0).action = CFunction::kJumpTo;
    project.alarms.texts = {"Hot"};
    project.alarms.address = 40;
    project.panel.statusFlags = 0b101;
    project.panel.controlRegisterAddress = 500;
    return project;
}

struct CExpectedUse {
    int component;
    COperandField field;
    CAccess access;
    const char* text;
};

TEST(OperandIndex, ListsEveryUseOfAWordProtocolWithWhereAndHow)
{
    const COperandIndex index = indexOperands(wordProject());
    const CExpectedUse expected[] = {
        {0, COperandField::kOperand, CAccess::kReadWrite, "D100"},
        {1, COperandField::kOperand, CAccess::kRead, "D101"},
        {2, COperandField::kOperand, CAccess::kRead, "M5"},
        {3, COperandField::kCoil, CAccess::kWrite, "M7"},
        {4, COperandField::kRegister, CAccess::kWrite, "D200"},
        {5, COperandField::kOperand, CAccess::kRead, "D100"},
        {6, COperandField::kOperand, CAccess::kRead, "D300"},
        {-1, COperandField::kAlarmCoil, CAccess::kRead, "M40"},
        {-1, COperandField::kControlBlock, CAccess::kRead, "D500"},  // change window
        {-1, COperandField::kControlBlock, CAccess::kWrite, "D501"}, // clock, one step after
    };
    ASSERT_EQ(index.uses.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const COperandUse& u = index.uses[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(u.componentPosition, expected[i].component);
        EXPECT_EQ(u.field, expected[i].field);
        EXPECT_EQ(u.access, expected[i].access);
        EXPECT_EQ(u.text, expected[i].text);
        EXPECT_EQ(u.windowNumber, expected[i].component >= 0 ? 3 : 0);
        EXPECT_TRUE(u.problems.empty()) << u.problems.front();
    }
    EXPECT_EQ(describeUse(index.uses[1]), "window 3 (Main), Dynamic Text 2 at (0, 0), operand");
}

TEST(OperandIndex, NotesDifferentWordCountsFormatsAndOverlaps)
{
    const COperandIndex index = indexOperands(wordProject());
    std::vector<std::string> reasons;
    for (const COperandConflict& c : index.conflicts)
        reasons.push_back(c.reason);
    // D100 is a 2-word register and a 1-word bar graph, signed or not; the register reaches over D101.
    EXPECT_EQ(reasons, (std::vector<std::string>{"D100 is used with different word counts",
                                                 "D100 (2 words) overlaps D101"}));
    EXPECT_TRUE(index.marked[0] && index.marked[1] && index.marked[5]);
    EXPECT_FALSE(index.marked[2] || index.marked[6]);
}

TEST(OperandIndex, ShowsBitsOfWordsAndRefusalsOfTheTables)
{
    constexpr unsigned p = 11; // bit operands are bits of words: address and bit
    CProject project;
    project.SetProtocol(p);
    CMainView& w = *project.WindowAt(project.AddWindow(1));
    addWithOperand<CLight>(w, p, 0, 3).subAddress = 4;
    addWithOperand<CRegister>(w, p, 0, 65000).station = 99;
    const COperandIndex index = indexOperands(project);
    ASSERT_EQ(index.uses.size(), 2u);
    EXPECT_EQ(index.uses[0].text, "M3.4");
    EXPECT_TRUE(index.uses[0].problems.empty());
    const auto& t = project.tables();
    EXPECT_EQ(index.uses[1].problems,
              (std::vector<std::string>{"D65000: station 99 is out of range " + std::to_string(t.stationMin) + "…" +
                                            std::to_string(t.stationMax),
                                        "D65000: address 65000 is out of range 0…" + std::to_string(t.registerMax)}));
    EXPECT_TRUE(index.marked[1]);
}

TEST(OperandIndex, NamesNamedVariablesByGroupAndName)
{
    constexpr unsigned p = 31;
    CProject project;
    project.SetProtocol(p);
    CMainView& w = *project.WindowAt(project.AddWindow(1));
    CLight& led = addWithOperand<CLight>(w, p, 1, 0);
    led.subType = 2;
    led.protocol31Address = 0x0203;
    addWithOperand<CRegister>(w, p, 0, 0).subType = 200; // no such variable
    const COperandIndex index = indexOperands(project);
    ASSERT_EQ(index.uses.size(), 2u);
    const std::string group = CVariableDictionary::groups(kReadBits)[1];
    EXPECT_EQ(index.uses[0].text, group + "." + CVariableDictionary::variables(1, kReadBits)[2]);
    EXPECT_EQ(index.uses[0].address, 0x0203);
    EXPECT_TRUE(index.uses[0].named);
    EXPECT_EQ(index.uses[1].problems.size(), 1u);
}

TEST(OperandIndex, WritesAddressesInTheProtocolsBase)
{
    const CProtocolTables hex = CProtocolTables::Build(1, {}, 1);
    const CProtocolTables octal = CProtocolTables::Build(7, {}, 1);
    EXPECT_EQ(operandAddressText(hex, hex.wordList[0], 255), "FF");
    EXPECT_EQ(operandAddressText(octal, octal.wordList[0], 8), "10");
}

} // namespace
} // namespace zl
