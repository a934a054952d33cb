#pragma once
// What the download benchmarks share: deterministic filler bytes, a prompter that only prints, and a
// panel simulator on a pseudo-terminal pair.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "base/Bytes.h"
#include "base/CPrompter.h"
#include "download/CPanelSimulator.h"
#include "platform/CSerialPort.h"

namespace zl::bench
{

inline Bytes filler(std::size_t n, unsigned seed)
{
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(seed = seed * 1103515245u + 12345u);
    return b;
}

// Messages go to stderr; questions are answered OK.
class PrintingPrompter : public CPrompter
{
public:
    void message(const std::string& text, const std::string&) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

// Runs `transfer` on the tool's end of a pseudo-terminal pair while a panel simulator serves the other end,
// pacing its answers as a 115200 baud line would where `wireTime` is set. Ends the benchmark when the pair
// or the port cannot be opened.
template <class Transfer> void withSimulatedPanel(bool wireTime, Transfer&& transfer)
{
    auto pty = CPseudoTerminal::open();
    if (!pty) {
        std::fprintf(stderr, "%s\n", pty.error().text.c_str());
        std::exit(1);
    }
    CPanelSimulator panel(CPanelSimConfig{{1, 0, 0}, 0, 0, 0, 0, wireTime});
    std::atomic<bool> stop{false};
    std::thread server([&] {
        if (const Status served = panel.serve(*pty->panel, stop); !served.ok())
            std::fprintf(stderr, "panel simulator: %s\n", served.error().text.c_str());
    });
    {
        auto port = CSerialPort::open(pty->toolPath, " " + pty->toolPath);
        if (!port) {
            std::fprintf(stderr, "%s\n", port.error().text.c_str());
            std::exit(1);
        }
        transfer(**port);
    }
    stop = true;
    pty->panel->interrupt();
    server.join();
}

} // namespace zl::bench
