// zl410-cli: the configuration tool without its windows.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "base/FileIo.h"
#include "cli/Cli.h"
#include "qt/CDataPaths.h"
#include "qt/CLanguage.h"
#include "qt/CMessages.h"
#include "qt/ProgramVersion.h"

using namespace zl::cli;

namespace {

// The help in the interface language; command names, options and their arguments stay as typed.
void printHelp(FILE* out)
{
    std::fprintf(out, "%s",
                 zl::translate("Message", "usage: zl410-cli [--data-dir DIR] COMMAND [ARGS]\n"
                                          "\n"
                                          "Configuration tool for the ZL410 operator panel.\n"
                                          "\n"
                                          "Global options:\n"
                                          "  --data-dir DIR   folder of the data files (catalogues, fonts)\n"
                                          "  --help           this text\n"
                                          "  --version        the program's version\n"
                                          "\n"
                                          "Commands:\n")
                     .c_str());
    for (const CliCommand* c : commands())
        std::fprintf(out, "  %-12s %s\n      zl410-cli %s %s\n", c->name,
                     zl::translateMessage(c->summary).c_str(), c->name, c->usage);
    std::fprintf(
        out, "\n%s\n",
        zl::translate("Message", "Exit status: 0 success, 1 failure (message on stderr), 2 usage error.")
            .c_str());
}

int runCommandLine(const std::vector<std::string>& args)
{
    std::string dataDir;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            printHelp(stdout);
            return kExitOk;
        }
        if (a == "--version") {
            std::printf("zl410-cli %s\n", zl::programVersion());
            return kExitOk;
        }
        if (a == "--data-dir") {
            if (i + 1 == args.size()) {
                fail("--data-dir needs a value");
                return kExitUsage;
            }
            dataDir = args[++i];
        } else if (a.rfind("--data-dir=", 0) == 0) {
            dataDir = a.substr(11);
        } else if (a.size() > 1 && a[0] == '-') {
            fail("unknown option " + a);
            printHelp(stderr);
            return kExitUsage;
        } else {
            break;
        }
    }
    if (i == args.size()) {
        printHelp(stderr);
        return kExitUsage;
    }
    const std::string name = args[i];
    for (const CliCommand* c : commands()) {
        if (name != c->name)
            continue;
        Args rest(std::vector<std::string>(args.begin() + i + 1, args.end()),
                  dataDir.empty() ? zl::dataFolder() : dataDir);
        if (rest.flag("help")) {
            std::printf("%s zl410-cli %s %s\n%s\n", zl::translate("Message", "usage:").c_str(), c->name,
                        c->usage, zl::translateMessage(c->summary).c_str());
            return kExitOk;
        }
        return c->run(rest);
    }
    fail("unknown command " + name);
    printHelp(stderr);
    return kExitUsage;
}

// The arguments as UTF-8. Windows hands main() the arguments in the local code page, where a file name in
// another script is lost; its wide command line holds them whole.
std::vector<std::string> arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i)
            args.push_back(zl::Utf8Path(std::filesystem::path(wide[i])));
        LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace

int main(int argc, char** argv)
{
    // Write errors come back as errors: a closed pipe on standard output or a file size limit then
    // fails the command with a message instead of ending it silently.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef _WIN32
    // Messages and listings are UTF-8, as they are elsewhere.
    SetConsoleOutputCP(CP_UTF8);
#endif
    zl::ReportFileSizeLimitAsError();
    zl::useLanguage(zl::systemLanguage());
    return finishStandardOutput(runCommandLine(arguments(argc, argv)));
}
