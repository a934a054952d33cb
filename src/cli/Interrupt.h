#pragma once
// Ctrl+C for long-running commands: the work runs on a thread of its own while the calling thread waits
// for SIGINT or SIGTERM and hands each one to `onInterrupt`, which asks the work to stop. Returns when
// the work has finished, so no thread outlives the call.
#include <functional>

namespace zl::cli
{

void runInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt);

} // namespace zl::cli
