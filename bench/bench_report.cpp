// The project report: the time `zl410-cli report` takes for a project of 100 windows (target: under
// 2 s), and its peak memory for 100 and for 1,000 windows. Pages are painted one at a time, so the peak
// grows with the PDF's few kilobytes a window, not with the pictures of the screens.
#include <cstdio>
#include <filesystem>
#include <string>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "file/CProjectFile.h"

#include "LargeProject.h"

extern char** environ;

using namespace zl;

namespace {

// Runs the command line's report of `project` and returns its peak resident memory in MiB (-1 on failure).
double reportPeakMiB(const std::string& project, const std::string& pdf)
{
    const std::string cli = ZL410_CLI;
    const char* argv[] = {cli.c_str(), "report", project.c_str(), "-o", pdf.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, cli.c_str(), nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return double(usage.ru_maxrss) / 1024.0;
}

std::string saveProject(const std::filesystem::path& folder, int windows)
{
    CProject project;
    bench::fillLargeProject(project);
    while (project.windowCount() > std::size_t(windows))
        project.DeleteWindowAt(project.windowCount() - 1);
    const std::string path = (folder / ("report-" + std::to_string(windows) + ".pjz")).string();
    if (!SaveProjectFile(path, project).ok()) {
        std::fprintf(stderr, "cannot save %s\n", path.c_str());
        std::exit(1);
    }
    return path;
}

} // namespace

int main()
{
    setenv("ZL410_DATA_DIR", ZL410_BUILD_DATA_DIR, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto folder = std::filesystem::temp_directory_path() / ("zl410-bench-report-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("ZL410_CONFIG_DIR", folder.c_str(), 1);
    const std::string pdf = (folder / "report.pdf").string();

    const std::string hundred = saveProject(folder, 100);
    const double ms = bench::medianMs(5, [&] { reportPeakMiB(hundred, pdf); });
    const auto hundredBytes = std::filesystem::file_size(pdf);
    std::printf("report of 100 windows (zl410-cli, whole run): %.0f ms (target: under 2000 ms), PDF %ju KiB\n", ms,
                std::uintmax_t(hundredBytes / 1024));
    const double peakHundred = reportPeakMiB(hundred, pdf);

    const std::string thousand = saveProject(folder, bench::kWindows);
    const double peakThousand = reportPeakMiB(thousand, pdf);
    std::printf("peak memory: 100 windows %.1f MiB, 1,000 windows %.1f MiB (PDF %ju KiB)\n", peakHundred,
                peakThousand, std::uintmax_t(std::filesystem::file_size(pdf) / 1024));
    std::filesystem::remove_all(folder);
    return peakHundred < 0 || peakThousand < 0 ? 1 : 0;
}
