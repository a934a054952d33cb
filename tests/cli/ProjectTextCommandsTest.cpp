#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliProjectTest.h"
#include "RunCli.h"
#include "base/FileIo.h"

namespace zl::test
{
namespace
{

using ProjectTextCommands = CliProjectTest;

TEST_F(ProjectTextCommands, ExportThenImportGivesTheSameBytes)
{
    const std::string pjz = save();
    const std::string json = dir.file("plant.json");
    const std::string back = dir.file("back.pjz");
    const CliResult exported = runCli({"export", pjz, "-o", json});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const CliResult imported = runCli({"import", json, "-o", back});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(*ReadWholeFile(back), *ReadWholeFile(pjz));
}

TEST_F(ProjectTextCommands, ImportRefusesABadTextAndWritesNothing)
{
    const std::string json = dir.file("bad.json");
    const std::string out = dir.file("out.pjz");
    std::ofstream(json) << "{\"zl410Project\": 1, \"protocol\": 300}";
    const CliResult r = runCli({"import", json, "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.json: currentWindow: missing"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(runCli({"export", save()}).status, 2);
}

} // namespace
} // namespace zl::test
