#pragma once
// A simulated panel serving the master side of a fresh pseudo-terminal on a thread of its own: the peer of
// downloads through the real serial port code.
#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "download/CPanelSimulator.h"
#include "platform/CSerialPort.h"

namespace zl::test
{

class SimulatedPanel
{
public:
    explicit SimulatedPanel(CPanelSimConfig config) : m_panel(config)
    {
        auto pty = CPseudoTerminal::open();
        if (!pty)
            throw std::runtime_error(pty.error().text);
        m_link = std::move(pty->panel);
        path = pty->toolPath;
        m_thread = std::thread([this] { m_served = m_panel.serve(*m_link, m_stop); });
    }
    ~SimulatedPanel() { unplug(); }

    // Stops serving and closes the panel's side, as pulling the adapter out would.
    void unplug()
    {
        if (!m_thread.joinable())
            return;
        m_stop = true;
        m_link->interrupt();
        m_thread.join();
        m_link.reset();
    }
    const Bytes& memory()
    {
        unplug();
        return m_panel.memory();
    }
    Bytes memory(std::size_t at, std::size_t n)
    {
        const Bytes& m = memory();
        return Bytes(m.begin() + at, m.begin() + at + n);
    }

    std::string path;

private:
    CPanelSimulator m_panel;
    std::unique_ptr<CSerialPort> m_link;
    std::atomic<bool> m_stop{false};
    Status m_served = Ok{};
    std::thread m_thread;
};

} // namespace zl::test
