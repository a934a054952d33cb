#pragma once
// Runs zl410-cli as a user would and collects its exit status, standard output and standard error.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <process.h>
// Lean: the full header defines `interface`, a name the project's headers use.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zl::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Sets an environment variable for this process and the commands it starts.
inline void setEnv(const char* name, const std::string& value)
{
#ifdef _WIN32
    ::_putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

#ifdef _WIN32
inline std::wstring wide(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

// One argument as CommandLineToArgvW reads it back: quoted, with the backslashes before a quote doubled.
inline std::wstring windowsArgument(const std::wstring& a)
{
    std::wstring q = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : a) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        q.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        q += c;
    }
    q.append(backslashes * 2, L'\\');
    return q + L"\"";
}

// Text as the program writes it on Windows, CR LF ending each line, with the lines ending as on POSIX.
inline std::string posixLines(const std::string& text)
{
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

// Runs the command line with `args`; the data folder is the build's unless the arguments name one.
// Standard input is empty; shell text around the command is POSIX's, so Windows has none.
inline CliResult runCli(const std::vector<std::string>& args)
{
    std::wstring command = windowsArgument(wide(ZL410_CLI));
    for (const auto& a : args)
        command += L" " + windowsArgument(wide(a));
    const auto errPath = std::filesystem::temp_directory_path() / ("zl410-cli-err-" + std::to_string(::_getpid()));
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE outRead = nullptr;
    HANDLE outWrite = nullptr;
    CliResult r;
    if (!::CreatePipe(&outRead, &outWrite, &inherited, 0))
        return r;
    ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE err = ::CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherited,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE in = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = outWrite;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                          &startup, &process);
    ::CloseHandle(outWrite); // the output ends when the child's copy closes
    ::CloseHandle(err);
    ::CloseHandle(in);
    if (started) {
        std::array<char, 4096> buffer{};
        DWORD n = 0;
        while (::ReadFile(outRead, buffer.data(), DWORD(buffer.size()), &n, nullptr) && n > 0)
            r.out.append(buffer.data(), n);
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (::GetExitCodeProcess(process.hProcess, &code))
            r.status = int(code);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(outRead);
    std::ifstream errFile(errPath, std::ios::binary);
    r.err = posixLines(std::string(std::istreambuf_iterator<char>(errFile), {}));
    errFile.close();
    std::filesystem::remove(errPath);
    r.out = posixLines(r.out);
    return r;
}
#else
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

#endif

} // namespace zl::test
