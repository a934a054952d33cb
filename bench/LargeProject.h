#pragma once
// A project of 1,000 windows holding 10,000 components of every kind (a picture among them) and 200 alarm
// texts, and the median time of repeated runs: shared by the project file and operand benchmarks.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "components/CComponentFactory.h"
#include "components/CUpLoadPic.h"
#include "model/CProject.h"

#include "MedianTime.h"

namespace zl::bench
{

constexpr unsigned kLargeProjectProtocol = 3;
constexpr int kWindows = 1000;
constexpr int kComponentsPerWindow = 10;
constexpr int kRuns = 15;

inline void fillLargeProject(CProject& project)
{
    project.SetProtocol(kLargeProjectProtocol);
    project.ResetForNewProject();
    const CRgbImage picture{64, 32, std::vector<std::uint32_t>(64 * 32, 0xFFFFFF)};
    for (int n = 1; n <= kWindows; ++n) {
        if (n > 1)
            project.AddWindow(static_cast<std::uint16_t>(n), "window " + std::to_string(n));
        CMainView& w = *project.CurrentView();
        for (int i = 0; i < kComponentsPerWindow; ++i) {
            const auto code = static_cast<std::uint8_t>(1 + (n * kComponentsPerWindow + i) % 8);
            const CPoint at{9 * (i % 4) * 10, 9 * (i % 3) * 4};
            auto c = CreateComponent(code, kLargeProjectProtocol, at);
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
inline double timeIt(const std::function<void()>& run) { return medianMs(kRuns, run); }

} // namespace zl::bench
