// The project check: one project with one problem of each kind, the image size and its limit, and a
// check that leaves the project as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

#include "base/CJson.h"
#include "compile/CProjectCheck.h"
#include "components/CChars.h"
#include "components/CDynamic.h"
#include "components/CFunction.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

using Kind = CCheckFinding::Kind;

class ProjectCheckTest : public ::testing::Test
{
protected:
    void SetUp() override { project.SetProtocol(3); }

    CMainView& window(std::uint16_t number)
    {
        const int at = project.FindWindowPosition(number);
        return *project.WindowAt(static_cast<std::size_t>(at >= 0 ? at : project.AddWindow(number)));
    }

    // A component at panel (x, y), appended to the window's list.
    template <class T, class... Args> T& add(CMainView& w, int x, int y, Args&&... args)
    {
        auto c = std::make_unique<T>(project.protocol(), CPoint{0, 0}, std::forward<Args>(args)...);
        c->MoveTo(panelToCanvas(x), panelToCanvas(y));
        T& ref = *c;
        w.AppendComponent(std::move(c));
        return ref;
    }

    CCheckReport check() const { return CheckProject(project, {ZL410_BUILD_DATA_DIR, {}, nullptr}); }

    CProject project;
};

TEST_F(ProjectCheckTest, FindsOneProblemOfEachKindWithItsWindowAndComponent)
{
    CMainView& first = window(1);
    CRegister& reg = add<CRegister>(first, 0, 0);
    reg.maxInput = 7;
    reg.minInput = 7;
    add<CChars>(first, 0, 16, "A\x07\xB0\xA1");
    CFunction& key = add<CFunction>(first, 40, 16);
    key.action = CFunction::kJumpTo;
    key.jumpTarget = 0;
    key.windowNumber = 9;
    add<CLight>(first, 184, 0);
    first.downJump = 5; // not the default 2
    CMainView& crowded = window(3);
    crowded.upJump = 2; // the default: no finding although window 2 is missing
    for (int i = 0; i < 256; ++i)
        add<CLight>(crowded, 0, 0);
    project.panel.initialWindow = 7;
    project.panel.screenSaverAction = 1;
    project.panel.screenSaverWindow = 8;

    const CCheckReport report = check();
    using Row = std::tuple<Kind, std::optional<std::uint16_t>, std::optional<std::size_t>, std::string>;
    std::vector<Row> found;
    for (const CCheckFinding& f : report.findings)
        found.emplace_back(f.kind, f.window, f.component, f.text);
    const std::vector<Row> expected{
        {Kind::ReplacedWindow, std::nullopt, std::nullopt,
         "The initial window 7 does not exist; the panel gets window 1 instead"},
        {Kind::ReplacedWindow, std::nullopt, std::nullopt,
         "The screen-saver window 8 does not exist; the panel gets window 1 instead"},
        {Kind::MissingArrowJump, 1, std::nullopt, "the Down key jumps to window 5, which does not exist"},
        {Kind::LimitRepair, 1, 0, "max 7 is not above min 7; the compile sets max 8, min 7"},
        {Kind::UndrawableCharacter, 1, 1, "the panel fonts cannot draw '\x07' (07)"},
        {Kind::MissingKeyJump, 1, 2, "jumps to window 9, which does not exist"},
        {Kind::Overhang, 1, 3, "reaches beyond the 192 × 64 panel (to 200, 16)"},
        {Kind::TooManyComponents, 3, std::nullopt,
         "holds 256 components; the panel takes at most 255 in a window"},
    };
    EXPECT_EQ(found, expected);
    EXPECT_EQ(report.findings.at(3).componentName, "Register at (0, 0)");
    ASSERT_TRUE(report.imageSize);
    EXPECT_FALSE(report.compiled) << "a window over 255 components cannot be sent";

    // The project is as it was; the copy carries what the compile stored back.
    EXPECT_EQ(reg.maxInput, 7u);
    EXPECT_EQ(project.panel.initialWindow, 7u);
    ASSERT_TRUE(report.compiledProject);
    EXPECT_EQ(report.compiledProject->panel.initialWindow, 1u);
    EXPECT_EQ(report.compiledProject->panel.screenSaverWindow, 1u);

    // A download takes them over; a second time changes nothing.
    EXPECT_EQ(WindowsWithRepairedLimits(report), std::vector<std::uint16_t>{1});
    EXPECT_TRUE(TakeCorrectedSettings(project, report));
    EXPECT_TRUE(TakeRepairedLimits(project, report));
    EXPECT_EQ(reg.maxInput, 8u);
    EXPECT_EQ(reg.minInput, 7u);
    EXPECT_EQ(project.panel.initialWindow, 1u);
    EXPECT_EQ(project.panel.screenSaverWindow, 1u);
    EXPECT_FALSE(TakeCorrectedSettings(project, report));
    EXPECT_FALSE(TakeRepairedLimits(project, report));
}

// Stored values a property page would not let the user enter (Modbus RTU: word types 4x and the read-only
// 3x, LED types 0x and 1x), and a dynamic text whose table has one value twice.
TEST_F(ProjectCheckTest, StoredValuesAPageWouldRefuseAreReported)
{
    struct Case {
        const char* what;
        std::function<void(CMainView&)> make;
        std::vector<std::pair<Kind, std::string>> expected;
    };
    const auto reg = [this](std::uint8_t type, std::uint8_t set, std::uint8_t password) {
        return [=, this](CMainView& w) {
            CRegister& r = add<CRegister>(w, 0, 0);
            r.registerType = type;
            r.set = set;
            r.password = password;
        };
    };
    const auto dynamic = [this](std::vector<std::pair<std::string, std::int32_t>> entries) {
        return [=, this](CMainView& w) {
            CDynamic& d = add<CDynamic>(w, 0, 0);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                d.valueTexts[i] = entries[i].first;
                d.values[i] = entries[i].second;
                d.contents[i] = "T" + std::to_string(i);
            }
        };
    };
    const std::string readOnly = ", but its type 3x is read-only: the register page offers neither";
    const std::vector<Case> cases{
        {"3x with Set and a password",
         reg(1, 1, 1),
         {{Kind::ReadOnlyEntry, "is saved with Set and a password" + readOnly}}},
        {"3x with Set", reg(1, 1, 0), {{Kind::ReadOnlyEntry, "is saved with Set" + readOnly}}},
        {"3x with a password", reg(1, 0, 1), {{Kind::ReadOnlyEntry, "is saved with a password" + readOnly}}},
        {"4x with Set and a password", reg(0, 1, 1), {}},
        {"3x read only", reg(1, 0, 0), {}},
        {"register type past the list",
         reg(5, 1, 1),
         {{Kind::UnknownRegisterType,
           "its register type 5 is not in the protocol's list (4x, 3x); the compile "
           "takes 3x"}}},
        {"LED type past its list",
         [this](CMainView& w) { add<CLight>(w, 0, 0).registerType = 2; },
         {{Kind::UnknownRegisterType,
           "its register type 2 is not in the protocol's list (0x, 1x); the compile "
           "takes 1x"}}},
        {"dynamic text with one value thrice",
         dynamic({{"1", 1}, {"2", 2}, {"", 1}, {"1", 1}, {"01", 1}}),
         {{Kind::DuplicateValue,
           "entries 1 and 4 both have the value 1; the panel shows entry 1's content for it"},
          {Kind::DuplicateValue,
           "entries 1 and 5 both have the value 1; the panel shows entry 1's content for "
           "it"}}},
        {"dynamic text with distinct values", dynamic({{"1", 1}, {"2", 2}, {"", 1}}), {}},
    };
    for (const Case& c : cases) {
        project = CProject();
        project.SetProtocol(3);
        c.make(window(1));
        std::vector<std::pair<Kind, std::string>> found;
        for (const CCheckFinding& f : check().findings)
            found.emplace_back(f.kind, f.text);
        EXPECT_EQ(found, c.expected) << c.what;
    }
}

TEST_F(ProjectCheckTest, CleanProjectGivesTheImageAsTheCompilerMakesIt)
{
    add<CChars>(window(1), 0, 0, "Hi \xA1\xA1\xB0\xA1");
    const CCheckReport report = check();
    EXPECT_TRUE(report.clean()) << report.Describe().dump();
    ASSERT_TRUE(report.compiled);
    CProject copy(project);
    const auto direct = CImageCompiler::Compile(copy, {ZL410_BUILD_DATA_DIR, {}, nullptr});
    ASSERT_TRUE(direct.ok());
    EXPECT_EQ(report.compiled->image, direct->image);
    EXPECT_EQ(report.sizeText(), std::to_string(direct->image.size()) + " of 32,768 bytes");
}

// "€" stored as the one byte 0x80, or a lead byte at a text's end, would be half a character on the
// panel: the check names it (no raw byte in its text) and the compile refuses to send it.
TEST_F(ProjectCheckTest, TextsThePanelWouldMisreadAreReportedAndNeverSent)
{
    add<CChars>(window(1), 0, 0, "A\x80");
    project.alarms.Reset(3);
    project.alarms.texts = {"ok", "Hot \xB0"};
    const CCheckReport report = check();
    std::vector<std::tuple<Kind, std::string, std::string>> found;
    for (const CCheckFinding& f : report.findings)
        found.emplace_back(f.kind, f.componentName, f.text.substr(0, f.text.find(')') + 1));
    const std::vector<std::tuple<Kind, std::string, std::string>> expected{
        {Kind::UnshowableText, "Text at (0, 0)",
         "holds a character the panel cannot show (the byte 0x80 at byte 2 of its text)"},
        {Kind::UnshowableText, "Alarm list, text 2",
         "holds a character the panel cannot show (the byte 0xB0 at byte 5 of its text)"},
    };
    EXPECT_EQ(found, expected);
    const std::string json = report.Describe().dump();
    EXPECT_EQ(json.find('\0'), std::string::npos);
    EXPECT_FALSE(report.compiled) << "an image with half a character is never sent";

    CProject copy(project);
    const auto compiled = CImageCompiler::Compile(copy, {ZL410_BUILD_DATA_DIR, {}, nullptr});
    ASSERT_FALSE(compiled);
    EXPECT_EQ(compiled.error().text.rfind("Window 1: the Text at (0, 0) holds a character the panel "
                                          "cannot show (the byte 0x80 at byte 2 of its text)",
                                          0),
              0u)
        << compiled.error().text;
    CProject alarmsOnly;
    alarmsOnly.SetProtocol(3);
    alarmsOnly.AddWindow(1);
    alarmsOnly.alarms = project.alarms;
    const auto alarms = CImageCompiler::Compile(alarmsOnly, {ZL410_BUILD_DATA_DIR, {}, nullptr});
    ASSERT_FALSE(alarms);
    EXPECT_NE(alarms.error().text.find("The alarm list holds a character the panel cannot show"),
              std::string::npos)
        << alarms.error().text;
}

TEST_F(ProjectCheckTest, AProjectWithoutWindowsIsReported)
{
    ASSERT_EQ(project.windowCount(), 0u);
    const CCheckReport report = check();
    ASSERT_EQ(report.findings.size(), 1u) << report.Describe().dump();
    EXPECT_EQ(report.findings[0].kind, Kind::NoWindows);
    EXPECT_FALSE(report.findings[0].window);
    EXPECT_EQ(report.findings[0].text, "The project has no windows; the panel would have nothing to show");
    EXPECT_FALSE(report.clean());
}

TEST_F(ProjectCheckTest, ImageOverThePanelsSpaceIsMeasuredAndRefused)
{
    const std::string line(250, 'A');
    for (std::uint16_t w = 1; w <= 2; ++w)
        for (int i = 0; i < 70; ++i)
            add<CChars>(window(w), 0, 0, line);
    const CCheckReport report = check();
    ASSERT_TRUE(report.imageSize);
    EXPECT_GT(*report.imageSize, CCheckReport::kImageCapacity);
    // (The long texts also overhang the panel.)
    const auto tooLarge = std::find_if(report.findings.begin(), report.findings.end(),
                                       [](const CCheckFinding& f) { return f.kind == Kind::ImageTooLarge; });
    ASSERT_NE(tooLarge, report.findings.end());
    EXPECT_EQ(tooLarge->text, "The image is " + report.sizeText() + "; it does not fit into the panel");
    EXPECT_NE(report.sizeText().find(" of 32,768 bytes"), std::string::npos);
    EXPECT_FALSE(report.compiled);
}

TEST_F(ProjectCheckTest, MissingFontsAreOneCompileError)
{
    window(1);
    const CCheckReport report = CheckProject(project, {"/nonexistent", {}, nullptr});
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].kind, Kind::CompileError);
    EXPECT_NE(report.findings[0].text.find("exist?"), std::string::npos) << report.findings[0].text;
    EXPECT_FALSE(report.imageSize);
}

} // namespace
} // namespace zl
