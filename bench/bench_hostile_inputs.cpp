// Peak memory of `zl410-cli dump` on the nastiest inputs: endless and oversized files, the largest file
// that is read, and large valid projects (target: under 32 MB).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/FileIo.h"
#include "components/CComponentFactory.h"
#include "file/CProjectFile.h"
#include "model/CProject.h"

namespace fs = std::filesystem;

namespace
{

// Exit status and peak resident memory in kB of `zl410-cli dump path`, its output thrown away. The
// peak counts what the child had before its exec, so this process must stay small.
std::pair<int, long> dumpPeak(const std::string& path)
{
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(ZL410_CLI, ZL410_CLI, "dump", path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
}

void writeBytes(const std::string& path, const zl::Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A project of `windows` windows of 10 components each, as the editor would save it.
zl::Bytes project(int windows)
{
    const std::uint8_t kinds[] = {zl::kStaticText, zl::kRegister,  zl::kLed,        zl::kFunctionKey,
                                  zl::kBarGraph,   zl::kTrendLine, zl::kDynamicText};
    zl::CProject p;
    p.SetProtocol(3);
    for (int n = 1; n <= windows; ++n) {
        p.AddWindow(static_cast<std::uint16_t>(n), "window " + std::to_string(n));
        for (int i = 0; i < 10; ++i) {
            const zl::CPoint at{(i * 37) % 400, (i * 23) % 120};
            p.CurrentView()->AddComponent(zl::CreateComponent(kinds[i % std::size(kinds)], 3, at), at);
        }
    }
    return zl::WriteProject(p);
}

} // namespace

int main()
{
    const fs::path dir = fs::temp_directory_path() / ("zl410-bench-hostile-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto file = [&](const char* name) { return (dir / name).string(); };

    // The files are made by a child process, so that this one stays small (see dumpPeak).
    if (::fork() == 0) {
        std::ofstream(file("oversized")).close();
        fs::resize_file(file("oversized"), zl::kMaxInputFileSize + 1);
        writeBytes(file("zeros"), zl::Bytes(zl::kMaxInputFileSize, 0));
        zl::Bytes garbage = project(1);
        garbage.resize(zl::kMaxInputFileSize, 0xFF);
        writeBytes(file("header-then-garbage"), garbage);
        writeBytes(file("1000-windows.pjz"), project(1000));
        // Object references grow longer past 32,766 objects: shrink until the file fits.
        int most = static_cast<int>(zl::kMaxInputFileSize / (project(2).size() - project(1).size()));
        zl::Bytes largest = project(most);
        while (largest.size() > zl::kMaxInputFileSize)
            largest = project(most -= most / 50);
        writeBytes(file("largest.pjz"), largest);
        std::printf("the largest valid project read: %d windows of 10 components\n", most);
        std::fflush(stdout);
        ::_exit(0);
    }
    ::wait(nullptr);

    const struct {
        std::string label;
        std::string path;
    } inputs[] = {
        {"/dev/zero (endless)", "/dev/zero"},
        {"16 MiB + 1 byte (refused before reading)", file("oversized")},
        {"16 MiB of zeros (the largest file read)", file("zeros")},
        {"a project header, then 16 MiB of 0xFF", file("header-then-garbage")},
        {"1,000 windows of 10 components", file("1000-windows.pjz")},
        {"the largest valid project read", file("largest.pjz")},
    };
    std::printf("peak memory of zl410-cli dump (target < 32 MB):\n");
    for (const auto& in : inputs) {
        const auto [status, peakKb] = dumpPeak(in.path);
        std::printf("  %-45s %6.1f MB peak, %5.1f MB file, exit %d\n", in.label.c_str(), peakKb / 1024.0,
                    fs::is_regular_file(in.path) ? fs::file_size(in.path) / 1048576.0 : 0.0, status);
    }
    if (!std::getenv("ZL410_BENCH_KEEP"))
        fs::remove_all(dir);
}
