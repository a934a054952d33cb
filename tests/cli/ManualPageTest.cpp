// The manual page of zl410-cli against the program's own usage, so that neither drifts from the other, and
// the version both report.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "RunCli.h"

namespace zl::test {
namespace {

std::string manualPage()
{
    std::ifstream in(ZL410_SOURCE_DIR "/docs/man/zl410-cli.1.in");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A name as roff writes it: every '-' escaped.
std::string roff(const std::string& name) { return std::regex_replace(name, std::regex("-"), "\\-"); }

// The commands of the usage, each with the options its usage line names.
std::vector<std::pair<std::string, std::vector<std::string>>> commandsOfTheUsage()
{
    const CliResult help = runCli({"--help"});
    EXPECT_EQ(help.status, 0) << help.err;
    std::vector<std::pair<std::string, std::vector<std::string>>> commands;
    const std::regex line("\n      zl410-cli (\\S+) ([^\n]*)"), option("--[a-z-]+");
    for (std::sregex_iterator it(help.out.begin(), help.out.end(), line), end; it != end; ++it) {
        const std::string usage = (*it)[2];
        std::vector<std::string> options;
        for (std::sregex_iterator o(usage.begin(), usage.end(), option); o != end; ++o)
            options.push_back(o->str());
        commands.emplace_back((*it)[1], options);
    }
    return commands;
}

} // namespace

TEST(ManualPage, DescribesEveryCommandAndOptionOfTheUsage)
{
    const std::string page = manualPage();
    ASSERT_FALSE(page.empty());
    const auto commands = commandsOfTheUsage();
    ASSERT_GE(commands.size(), 13u);
    for (const auto& [name, options] : commands) {
        // Each command heads an entry of its own: ".TP" and a line ".B name", ".BI "name ...", ".BR "name ...".
        const std::regex entry("\n\\.TP\n\\.(B|BI|BR) \"?" + std::regex_replace(roff(name), std::regex("\\\\"), "\\\\") +
                               "[ \"\n]");
        EXPECT_TRUE(std::regex_search(page, entry)) << "no entry for the command " << name;
        for (const std::string& option : options)
            EXPECT_NE(page.find(roff(option)), std::string::npos) << name << "'s option " << option;
    }
    for (const char* global : {"--data-dir", "--help", "--version"})
        EXPECT_NE(page.find(roff(global)), std::string::npos) << global;
    for (const char* section : {".SH EXIT STATUS", ".SH ENVIRONMENT", ".SH FILES"})
        EXPECT_NE(page.find(section), std::string::npos) << section;
}

TEST(ManualPage, VersionIsTheProjects)
{
    const CliResult r = runCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "zl410-cli " ZL410_VERSION "\n");
}

} // namespace zl::test
