#pragma once
// The median of repeated runs, in milliseconds: steadier than the mean when the machine is shared.
#include <algorithm>
#include <chrono>
#include <vector>

namespace zl::bench
{

template <class F> double medianMs(int runs, F&& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace zl::bench
