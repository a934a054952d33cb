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

#include "LargeProject.h"
#include "file/CProjectFile.h"

using namespace zl;
using namespace zl::bench;

namespace {

void report(const char* what, double ms)
{
    std::printf("%-34s %8.2f ms  %s\n", what, ms, ms < 30 ? "(under 30 ms)" : "(OVER 30 ms)");
}

} // namespace

int main()
{
    CProject project;
    fillLargeProject(project);
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
