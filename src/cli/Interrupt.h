#pragma once
// Ctrl+C for long-running commands: each SIGINT or SIGTERM (InterruptPosix.cpp: a signalfd watched while
// the work runs on a thread of its own), or each Ctrl+C or Ctrl+Break of the console (InterruptWindows.cpp:
// SetConsoleCtrlHandler), goes to `onInterrupt`, which asks the work to stop. Returns when the work has
// finished, so no thread outlives the call.
#include <functional>

namespace zl::cli
{

void runInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt);

} // namespace zl::cli
