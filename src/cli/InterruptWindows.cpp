#include "cli/Interrupt.h"

#include <windows.h>

#include <mutex>

namespace zl::cli
{
namespace
{

// The console calls its handlers on a thread of its own, so the work can run on the calling thread.
std::mutex g_mutex;
const std::function<void()>* g_onInterrupt = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (g_onInterrupt)
        (*g_onInterrupt)();
    return TRUE;
}

} // namespace

void runInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt)
{
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        g_onInterrupt = &onInterrupt;
    }
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    work();
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_onInterrupt = nullptr;
}

} // namespace zl::cli
