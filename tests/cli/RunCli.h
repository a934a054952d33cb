#pragma once
// Runs zl410-cli as a user would and collects its exit status, standard output and standard error.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
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
// `before` and `after` are shell text around the command: "ulimit -f 1; ", " </dev/null".
inline CliResult runCli(const std::vector<std::string>& args, const std::string& before = {},
                        const std::string& after = {})
{
    const auto dir = std::filesystem::temp_directory_path();
    const std::string errPath = (dir / ("zl410-cli-err-" + std::to_string(::getpid()))).string();
    std::string command = before + shellQuote(ZL410_CLI);
    for (const auto& a : args)
        command += " " + shellQuote(a);
    command += " 2>" + shellQuote(errPath) + after;
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

// Starts zl410-cli with `args` in the background, its standard output on `outFd` and its standard
// error into the file `errPath`; the process id, or -1.
inline pid_t spawnCli(const std::vector<std::string>& args, int outFd, const std::string& errPath = "/dev/null")
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> all{ZL410_CLI};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, ZL410_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

} // namespace zl::test
