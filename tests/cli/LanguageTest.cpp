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
