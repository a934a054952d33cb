// zl410-cli compile as a user runs it: the image, driver and map files it writes, and how it refuses.
#include <gtest/gtest.h>

#include "CliProjectTest.h"
#include "RunCli.h"
#include "components/CRegister.h"
#include "compile/CImageCompiler.h"
#include "plc/CProtocolCatalogue.h"

namespace zl::test {
namespace {

class CompileCommandTest : public CliProjectTest
{
protected:
    CRegister& addRegister()
    {
        auto c = std::make_unique<CRegister>(3, CPoint{0, 36});
        CRegister& r = *c;
        project.WindowAt(0)->AppendComponent(std::move(c));
        return r;
    }
};

TEST_F(CompileCommandTest, WritesImageDriverAndMap)
{
    const std::string file = save();
    const CliResult r = runCli({"compile", file, "-o", dir.file("image.bin"), "--driver",
                                dir.file("driver.bin"), "--map", dir.file("map.json")});
    ASSERT_EQ(r.status, 0) << r.err;

    CProject loaded;
    ASSERT_TRUE(OpenProjectFile(file, loaded).ok());
    const auto expected =
        CImageCompiler::Compile(loaded, {ZL410_BUILD_DATA_DIR, config.file("other.dat"), nullptr});
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(dir.read("image.bin"), expected->image);
    EXPECT_EQ(dir.read("driver.bin"), expected->driver.bytes);
    EXPECT_EQ(config.read("In.dat").at(0), 2) << "the list position follows the driver found";
    const Bytes map = dir.read("map.json");
    const std::string json(map.begin(), map.end());
    for (const char* part :
         {"\"windowTable\": \"0x8050\"", "\"class\": \"CChars\"", "\"address\": \"0x805C\""})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in\n" << json;
}

TEST_F(CompileCommandTest, RepairedLimitsStopUnlessAccepted)
{
    CRegister& reg = addRegister();
    reg.maxInput = 7;
    reg.minInput = 7;
    const std::string file = save();

    const CliResult refused = runCli({"compile", file, "-o", dir.file("image.bin")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Register Limit error"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("window 1: "), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("image.bin")));

    const CliResult accepted =
        runCli({"compile", file, "-o", dir.file("image.bin"), "--accept-limit-repair"});
    EXPECT_EQ(accepted.status, 0) << accepted.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file("image.bin")));
}

TEST_F(CompileCommandTest, UsageAndFileErrors)
{
    dir.write("junk.pjz", {1, 2, 3});
    const std::string file = save();
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"compile", file}, 2, "-o IMAGE.bin is required"},
        {{"compile", "-o", dir.file("x.bin")}, 2, "one project file expected"},
        {{"compile", dir.file("junk.pjz"), "-o", dir.file("x.bin")}, 1, "Is it a correct file?"},
        {{"--data-dir", dir.path(), "compile", file, "-o", dir.file("x.bin")}, 1, "exist?"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.bin")));
}

} // namespace
} // namespace zl::test
