#pragma once
// Runs zl410-cli as a user would and collects its exit status, standard output and standard error.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zl::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the command line with `args`; the data folder is the build's unless the arguments name one.
inline CliResult runCli(const std::vector<std::string>& args)
{
    const auto dir = std::filesystem::temp_directory_path();
    const std::string errPath = (dir / ("zl410-cli-err-" + std::to_string(::getpid()))).string();
    std::string command = shellQuote(ZL410_CLI);
    for (const auto& a : args)
        command += " " + shellQuote(a);
    command += " 2>" + shellQuote(errPath);
    CliResult r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        r.out.append(buffer.data(), n);
    const int raw = ::pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errPath);
    r.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errPath);
    return r;
}

} // namespace zl::test
