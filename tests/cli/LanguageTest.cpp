// The command line speaks the language of the locale: its usage and its messages, with file names and
// the system's own reasons kept as they are.
#include <gtest/gtest.h>

#include <string>

#include "RunCli.h"
#include "model/TempDir.h"

namespace zl::test
{
namespace
{

// Runs the command line with the locale variables set as a user's shell would have them.
CliResult runIn(const std::string& locale, const std::vector<std::string>& args)
{
    setEnv("ZL410_LANG", "");
    setEnv("LC_ALL", locale);
    const CliResult r = runCli(args);
    setEnv("LC_ALL", "");
    return r;
}

TEST(LanguageTest, UsageAndFileErrorsFollowTheLocale)
{
    TempDir dir;
    const std::string missing = dir.file("none.pjz");
    struct Case {
        const char* locale;
        const char* usage;
        const char* commands;
        const char* fileError;
    };
    for (const Case& c : {Case{"zh_CN.UTF-8", "用法：zl410-cli [--data-dir DIR] COMMAND [ARGS]", "命令：",
                               "zl410-cli: 打开文件"},
                          Case{"C", "usage: zl410-cli [--data-dir DIR] COMMAND [ARGS]",
                               "Commands:", "zl410-cli: Open file"}}) {
        SCOPED_TRACE(c.locale);
        const CliResult help = runIn(c.locale, {"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(c.usage, 0), 0u) << help.out;
        EXPECT_NE(help.out.find(c.commands), std::string::npos) << help.out;
        // Command names and options are never translated.
        EXPECT_NE(help.out.find("zl410-cli check FILE.pjz [--json]"), std::string::npos) << help.out;

        const CliResult opened = runIn(c.locale, {"check", missing});
        EXPECT_EQ(opened.status, 1);
        EXPECT_EQ(opened.err.rfind(c.fileError, 0), 0u) << opened.err;
        EXPECT_NE(opened.err.find(missing), std::string::npos) << opened.err;

        const CliResult usage = runIn(c.locale, {"check"});
        EXPECT_EQ(usage.status, 2);
        EXPECT_NE(usage.err.find("zl410-cli check FILE.pjz [--json]"), std::string::npos) << usage.err;
    }
}

// What the commands list for a terminal is in the interface language too; operand names, numbers and the
// project's own texts stay as they are, and the columns still line up.
TEST(LanguageTest, ListingsFollowTheLocale)
{
    TempDir dir;
    const std::string project = ZL410_TEST_DATA_DIR "/pjz/all-kinds.pjz";
    struct Case {
        std::vector<std::string> args;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {{"compile", project, "-o", dir.file("image.bin")},
         "Image 1042 bytes from 0x8000; driver 3909 bytes",
         "映像 1042 字节（自 0x8000 起）；驱动 3909 字节"},
        {{"protocols"},
         "position number name                       version  length",
         "位置     编号   名称                       版本     长度"},
        {{"operands", project},
         "4x108        read           station 2   window 1 (主画面), Dynamic Text 1 at (84, 28), operand",
         "4x108        读             站号 2   窗口 1（主画面），动态文本 1 位于 (84, 28)，操作数"},
        {{"simulate", project, "-o", dir.file("screen.png")}, "Window 1 (window)", "窗口 1（窗口）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        const CliResult english = runIn("C", c.args);
        EXPECT_EQ(english.status, 0) << english.err;
        EXPECT_EQ(english.out.rfind(c.english, 0), 0u) << english.out;
        const CliResult chinese = runIn("zh_CN.UTF-8", c.args);
        EXPECT_EQ(chinese.status, 0) << chinese.err;
        EXPECT_EQ(chinese.out.rfind(c.chinese, 0), 0u) << chinese.out;
    }
}

TEST(LanguageTest, Zl410LangOverridesTheLocale)
{
    setEnv("ZL410_LANG", "zh_CN");
    setEnv("LC_ALL", "C");
    const CliResult r = runCli({"check"});
    setEnv("ZL410_LANG", "");
    setEnv("LC_ALL", "");
    EXPECT_NE(r.err.find("需要一个工程文件"), std::string::npos) << r.err;
}

} // namespace
} // namespace zl::test
