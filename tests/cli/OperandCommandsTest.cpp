#include <gtest/gtest.h>

#include <filesystem>

#include "CliProjectTest.h"
#include "RunCli.h"
#include "components/CRegister.h"
#include "components/CLight.h"

namespace zl::test
{
namespace
{

// Under Modbus: registers 4x100 (2 words) and 4x150, the LED's coil 0x7, in a window whose name needs quoting.
class OperandCommands : public CliProjectTest
{
protected:
    void SetUp() override
    {
        CliProjectTest::SetUp();
        CMainView& w = *project.WindowAt(0);
        w.description = "Pump, \"A\"";
        for (auto [address, words] : {std::pair{100, 2}, std::pair{150, 1}}) {
            auto r = std::make_unique<CRegister>(3, CPoint{0, 0});
            r->address = static_cast<std::uint16_t>(address);
            r->wordCount = static_cast<std::uint8_t>(words);
            r->station = 1;
            w.AppendComponent(std::move(r));
        }
        auto led = std::make_unique<CLight>(3, CPoint{0, 0});
        led->address = 7;
        led->station = 1;
        w.AppendComponent(std::move(led));
    }
};

TEST_F(OperandCommands, ListsAsCsvWithAHeaderAndQuotedFields)
{
    const CliResult r = runCli({"operands", save(), "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "window,windowName,component,kind,x,y,field,access,station,type,address,sub,words,operand,problems\n"
              "1,\"Pump, \"\"A\"\"\",2,Register,0,0,operand,read,1,4x,100,,2,4x100,\n"
              "1,\"Pump, \"\"A\"\"\",3,Register,0,0,operand,read,1,4x,150,,1,4x150,\n"
              "1,\"Pump, \"\"A\"\"\",4,LED,0,0,operand,read,1,0x,7,,1,0x7,\n");
}

TEST_F(OperandCommands, ListsAsJsonAndMarksConflicts)
{
    CMainView& w = *project.WindowAt(0);
    auto overlapping = std::make_unique<CRegister>(3, CPoint{0, 0});
    overlapping->address = 101;
    overlapping->station = 1;
    w.AppendComponent(std::move(overlapping));
    const CliResult r = runCli({"operands", save(), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* part : {"\"operand\": \"4x100\"", "\"words\": 2", "\"windowName\": \"Pump, \\\"A\\\"\"",
                             "\"reason\": \"4x100 (2 words) overlaps 4x101\""})
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    EXPECT_EQ(runCli({"operands", save(), "--json", "--csv"}).status, 2);
}

TEST_F(OperandCommands, ReplaceWritesTheMovedProjectOrNothing)
{
    const std::string in = save();
    const std::string out = dir.file("moved.pjz");

    const CliResult dry = runCli({"replace-operands", in, "--from", "4x100-4x199", "--to", "4x300", "--dry-run"});
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find("4x150 -> 4x350"), std::string::npos) << dry.out;

    // 4x150 would land on 4x101, which the 2-word register at 4x100 holds: refused, every reason, no file.
    const CliResult refused = runCli({"replace-operands", in, "--from", "4x150", "--to", "4x101", "-o", out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("4x101 would collide with 4x100"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliResult done = runCli({"replace-operands", in, "--from", "4x100-4x199", "--to", "4x300", "-o", out});
    ASSERT_EQ(done.status, 0) << done.err;
    CProject moved;
    ASSERT_TRUE(OpenProjectFile(out, moved).ok());
    EXPECT_EQ(moved.WindowAt(0)->components()[1]->address, 300);
    EXPECT_EQ(moved.WindowAt(0)->components()[2]->address, 350);

    EXPECT_EQ(runCli({"replace-operands", in, "--from", "Q1", "--to", "4x1", "-o", out}).status, 2);
    EXPECT_EQ(runCli({"replace-operands", in, "--from", "4x1"}).status, 2);
}

} // namespace
} // namespace zl::test
