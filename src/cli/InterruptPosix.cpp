#include "cli/Interrupt.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace zl::cli
{

void runInterruptible(const std::function<void()>& work, const std::function<void()>& onInterrupt)
{
    sigset_t signals, previous;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    // Blocked before the worker starts, so it inherits the mask and the signals come to the signalfd.
    pthread_sigmask(SIG_BLOCK, &signals, &previous);
    const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    const int doneFd = eventfd(0, EFD_CLOEXEC);

    std::thread worker([&] {
        work();
        eventfd_write(doneFd, 1);
    });
    for (;;) {
        pollfd fds[2] = {{doneFd, POLLIN, 0}, {signalFd, POLLIN, 0}};
        if (::poll(fds, signalFd >= 0 ? 2 : 1, -1) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN)
            break;
        if (fds[1].revents & POLLIN) {
            signalfd_siginfo info{};
            if (::read(signalFd, &info, sizeof info) > 0)
                onInterrupt();
        }
    }
    worker.join();
    ::close(doneFd);
    if (signalFd >= 0)
        ::close(signalFd);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

} // namespace zl::cli
