// zl410-cli check as a user runs it: a clean project, one with a problem (as text and as JSON), and the
// refusals.
#include <gtest/gtest.h>

#include "CliProjectTest.h"
#include "RunCli.h"
#include "components/CRegister.h"

namespace zl::test
{
namespace
{

class CheckCommandTest : public CliProjectTest
{
};

TEST_F(CheckCommandTest, CleanProjectShowsItsSizeAndExitsZero)
{
    const CliResult r = runCli({"check", save()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Image: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" of 32,768 bytes"), std::string::npos) << r.out;
    EXPECT_TRUE(config.read("In.dat").empty()) << "a check writes no tool settings";
}

TEST_F(CheckCommandTest, ProblemsAreListedWithTheirPlaceAndExitOne)
{
    auto reg = std::make_unique<CRegister>(3, CPoint{0, 36});
    reg->maxInput = 3;
    reg->minInput = 5;
    project.WindowAt(0)->AppendComponent(std::move(reg));
    auto input = std::make_unique<CRegister>(3, CPoint{0, 0});
    input->registerType = 1; // 3x, read-only
    input->set = 1;
    project.WindowAt(0)->AppendComponent(std::move(input));
    project.panel.initialWindow = 4;
    const std::string file = save();

    const CliResult text = runCli({"check", file});
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find(
                  "window 1, Register at (0, 16): max 3 is not above min 5; the compile sets max 6, min 5"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("project: The initial window 4 does not exist"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("window 1, Register at (0, 0): is saved with Set, but its type 3x is read-only"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.err.find("the check found 3 problems"), std::string::npos) << text.err;

    const CliResult json = runCli({"check", file, "--json"});
    EXPECT_EQ(json.status, 1);
    for (const char* part :
         {"\"kind\": \"limit-repair\"", "\"window\": 1", "\"component\": 1", "\"kind\": \"replaced-window\"",
          "\"kind\": \"read-only-entry\"", "\"imageCapacity\": 32768", "\"clean\": false"})
        EXPECT_NE(json.out.find(part), std::string::npos) << part << " in\n" << json.out;
}

TEST_F(CheckCommandTest, AProjectWithoutWindowsIsNotClean)
{
    project.ClearWindows();
    const std::string file = save();
    const CliResult text = runCli({"check", file});
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("project: The project has no windows; the panel would have nothing to show"),
              std::string::npos)
        << text.out;
    const CliResult json = runCli({"check", file, "--json"});
    EXPECT_EQ(json.status, 1);
    for (const char* part : {"\"kind\": \"no-windows\"", "\"clean\": false"})
        EXPECT_NE(json.out.find(part), std::string::npos) << part << " in\n" << json.out;
}

TEST_F(CheckCommandTest, RefusesWhatItCannotCheck)
{
    EXPECT_EQ(runCli({"check"}).status, 2);
    const CliResult missing = runCli({"check", dir.file("none.pjz")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.pjz"), std::string::npos) << missing.err;
}

} // namespace
} // namespace zl::test
