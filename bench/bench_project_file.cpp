// Loads and saves a project of 1,000 windows holding 10,000 components of every kind and prints the
// time each takes (target: under 30 ms each), in memory and through a file, and the peak memory.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "components/CUpLoadPic.h"
#include "components/CComponentFactory.h"
#include "model/CProject.h"
#include "file/CProjectFile.h"

using namespace zl;

namespace {

constexpr unsigned kProtocol = 3;
constexpr int kWindows = 1000;
constexpr int kComponentsPerWindow = 10;
constexpr int kRuns = 15;

void fill(CProject& project)
{
    project.SetProtocol(kProtocol);
    project.ResetForNewProject();
    const CRgbImage picture{64, 32, std::vector<std::uint32_t>(64 * 32, 0xFFFFFF)};
    for (int n = 1; n <= kWindows; ++n) {
        if (n > 1)
            project.AddWindow(static_cast<std::uint16_t>(n), "window " + std::to_string(n));
        CMainView& w = *project.CurrentView();
        for (int i = 0; i < kComponentsPerWindow; ++i) {
            const auto code = static_cast<std::uint8_t>(1 + (n * kComponentsPerWindow + i) % 8);
            const CPoint at{9 * (i % 4) * 10, 9 * (i % 3) * 4};
            auto c = CreateComponent(code, kProtocol, at);
            if (code == kPicture) {
                if (const Status taken = static_cast<CUpLoadPic&>(*c).TakeImage(picture); !taken.ok()) {
                    std::fprintf(stderr, "%s\n", taken.error().text.c_str());
                    std::exit(1);
                }
            }
            w.AppendComponent(std::move(c));
        }
    }
    project.alarms.texts.assign(200, "alarm text");
}

// Median of the runs, in milliseconds.
double timeIt(const std::function<void()>& run)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void report(const char* what, double ms)
{
    std::printf("%-34s %8.2f ms  %s\n", what, ms, ms < 30 ? "(under 30 ms)" : "(OVER 30 ms)");
}

} // namespace

int main()
{
    CProject project;
    fill(project);
    const Bytes file = WriteProject(project);
    std::printf("project: %d windows, %d components, %zu bytes\n", kWindows, kWindows * kComponentsPerWindow,
                file.size());

    report("save (to memory)", timeIt([&] { WriteProject(project); }));
    report("load (from memory)", timeIt([&] {
               CProject loaded;
               if (!ReadProject(file, loaded).ok())
                   std::abort();
           }));

    const auto path = std::filesystem::temp_directory_path() / ("zl410-bench-" + std::to_string(::getpid()) + ".pjz");
    report("save (to a file, flushed to disk)", timeIt([&] {
               if (!SaveProjectFile(path.string(), project).ok())
                   std::abort();
           }));
    report("open (check and load a file)", timeIt([&] {
               CProject loaded;
               if (!OpenProjectFile(path.string(), loaded).ok())
                   std::abort();
           }));
    std::filesystem::remove(path);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (ru_maxrss)            %8.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
