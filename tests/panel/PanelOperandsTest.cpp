// Operands of a running image named with the protocol's register type names, and set by such names.
#include <gtest/gtest.h>

#include "components/CLight.h"
#include "components/CRegister.h"
#include "image/CImageReader.h"
#include "image/ImageProjects.h"
#include "panel/CPanelOperands.h"

namespace zl
{
namespace
{

// Protocol 20: a one-word register D100, a two-word D200, an LED on M7, and two alarms from M20.
struct Fixture {
    Fixture()
    {
        project.SetProtocol(20);
        CMainView& w = *project.WindowAt(project.AddWindow(1));
        auto& one = test::addAt<CRegister>(project, w, 0, 0);
        one.address = 100;
        auto& two = test::addAt<CRegister>(project, w, 0, 16);
        two.address = 200;
        two.wordCount = 2;
        test::addAt<CLight>(project, w, 100, 0).address = 7;
        project.alarms.texts = {"Hot", "Cold"};
        project.alarms.address = 20;
        auto read = CImageReader::Read(test::compileImage(project));
        EXPECT_TRUE(read) << read.error().describe();
        panel.emplace(std::move(*read), test::fonts());
    }
    CProject project;
    std::optional<CPanel> panel;
};

TEST(PanelOperandsTest, NamesEveryOperandTheImageUses)
{
    Fixture f;
    std::vector<std::string> names;
    for (const CPanelOperand& o : imageOperands(*f.panel))
        names.push_back(o.name);
    EXPECT_EQ(names, (std::vector<std::string>{"M7", "D100", "D200", "M20", "M21"}));
}

TEST(PanelOperandsTest, SetsByNameAndRefusesWhatTheImageDoesNotUse)
{
    Fixture f;
    const auto operands = imageOperands(*f.panel);
    auto value = [&](const std::string& name) {
        for (const CPanelOperand& o : operands)
            if (o.name == name)
                return operandValue(*f.panel, o);
        ADD_FAILURE() << "no operand " << name;
        return 0u;
    };

    ASSERT_TRUE(setOperand(*f.panel, "D100=-1"));
    EXPECT_EQ(value("D100"), 0xFFFFu);
    ASSERT_TRUE(setOperand(*f.panel, "d200=70000"));
    EXPECT_EQ(value("D200"), 70000u) << "both words of a two-word operand";
    ASSERT_TRUE(setOperand(*f.panel, "D201=2"));
    EXPECT_EQ(value("D200"), 0x20000u + (70000 & 0xFFFF)) << "the high word alone";
    ASSERT_TRUE(setOperand(*f.panel, "M7=1"));
    EXPECT_EQ(value("M7"), 1u);
    ASSERT_TRUE(setOperand(*f.panel, "M21=0x1"));
    EXPECT_EQ(f.panel->AlarmBit(1).first.address, 21);
    EXPECT_EQ(value("M21"), 1u);

    for (const char* bad : {"D101=1", "X7=1", "D100", "D100=abc", "D100=99999999999", "=5", "7=1"}) {
        const Status s = setOperand(*f.panel, bad);
        EXPECT_FALSE(s) << bad;
    }
}

} // namespace
} // namespace zl
