#include <gtest/gtest.h>

#include "RunCli.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"
#include "model/TempDir.h"

namespace zl::test {
namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(ProjectCommands, NewWritesWindowOneWithTheProtocolsDefaults)
{
    TempDir dir;
    const std::string path = dir.file("new.pjz");
    const CliResult r = runCli({"new", "--protocol", "2", "-o", path});
    ASSERT_EQ(r.status, 0) << r.err;

    CProject p;
    ASSERT_TRUE(OpenProjectFile(path, p).ok());
    EXPECT_EQ(p.protocol(), 2u);
    ASSERT_EQ(p.windowCount(), 1u);
    EXPECT_EQ(p.WindowAt(0)->number, 1);
    EXPECT_EQ(p.comm.delay, 10000);   // the dialog's default for this protocol
    EXPECT_EQ(p.comm.interface, 1);   // "485"
    EXPECT_EQ(p.panel.controlStation, 2);
    EXPECT_EQ(p.panel.registerStep, 2);
    EXPECT_EQ(p.alarms.station, 2);
}

TEST(ProjectCommands, DumpShowsSettingsWindowsAndTexts)
{
    TempDir dir;
    CProject p;
    p.SetProtocol(3);
    p.AddWindow(12, "\xB1\xC3");
    p.alarms.texts = {"Hot"};
    ASSERT_TRUE(SaveProjectFile(dir.file("p.pjz"), p).ok());

    const CliResult r = runCli({"dump", dir.file("p.pjz")});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* part : {"\"protocol\": 3", "\"number\": 12", "\"text\": \"泵\"", "\"gbk\": \"B1 C3\"",
                             "\"text\": \"Hot\"", "\"registerStep\": 1", "\"delay\": 0"})
        EXPECT_TRUE(contains(r.out, part)) << part;
}

TEST(ProjectCommands, ResaveWritesTheCurrentVersion)
{
    TempDir dir;
    CProject p;
    p.SetProtocol(3);
    p.AddWindow(1);
    Bytes v11 = WriteProject(p);
    v11[6] = 11;
    v11.erase(v11.begin() + 31, v11.begin() + 33);
    dir.write("old.pjz", v11);

    const CliResult r = runCli({"resave", dir.file("old.pjz"), dir.file("new.pjz")});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bytes resaved = dir.read("new.pjz");
    EXPECT_EQ(resaved.size(), v11.size() + 2);
    EXPECT_EQ(resaved[6], 12);
}

TEST(ProjectCommands, FailuresAndUsageErrors)
{
    TempDir dir;
    dir.write("wrong.pjz", {'M', 'Z', 0, 0, 0, 0, 0, 0});
    CProject empty;
    Bytes cut = WriteProject(empty);
    cut.resize(140);
    dir.write("cut.pjz", cut);
    CProject p;
    p.AddWindow(1);
    ASSERT_TRUE(SaveProjectFile(dir.file("good.pjz"), p).ok());

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"dump", dir.file("wrong.pjz")}, 1, "wrong.pjz: Is it a correct file?"},
        {{"dump", dir.file("cut.pjz")}, 1, "unexpected end of file"},
        {{"dump", dir.file("none.pjz")}, 1, "Open file" + dir.file("none.pjz") + " error!"},
#ifndef _WIN32
        {{"resave", dir.file("good.pjz"), "/dev/full"}, 1, "No space left on device"},
#endif
        {{"resave", dir.file("good.pjz"), dir.file("no/such/folder.pjz")}, 1, "No such file or directory"},
        {{"new", "--protocol", "3", "-o", dir.file("no/such/folder.pjz")}, 1, "No such file or directory"},
        {{"new", "--protocol", "35", "-o", dir.file("x.pjz")}, 2, "from 1 to 34"},
        {{"new", "--protocol", "3"}, 2, "required"},
        {{"dump"}, 2, "one project file expected"},
        {{"resave", dir.file("good.pjz")}, 2, "an input and an output"},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << r.err;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
}

} // namespace zl::test
